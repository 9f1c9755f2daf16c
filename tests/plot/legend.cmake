# The legend: row placement on its own, then the legend in a small chart.
sm_test(plot_legend_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LegendLayoutTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/LegendTest.cpp
  DEPS plot)
