# The axis engine on its own, then axes in a small chart (measured and drawn
# on real bitmaps, so with a QApplication).
sm_test(plot_axis_test
  SOURCES ValueFormatTest.cpp TickGeneratorTest.cpp AxisScaleTest.cpp AxisTrackingTest.cpp
  DEPS plot)
sm_test(plot_axis_object_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/AxisTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/AxisDrawTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ZoomToFitTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/AxisFocusTest.cpp
  DEPS plot)
