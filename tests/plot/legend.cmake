# The legend: row placement on its own, the legend in a small chart, and in a
# strip chart set up as the monitoring window does.
sm_test(plot_legend_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LegendLayoutTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/LegendTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/LegendInPlotTest.cpp
  DEPS plot)
