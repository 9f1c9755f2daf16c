sm_test(plot_axis_test
  SOURCES ValueFormatTest.cpp TickGeneratorTest.cpp AxisScaleTest.cpp AxisTrackingTest.cpp
  DEPS plot)
