# The data cursor: properties and layout, drawing, dragging, keys and menu,
# in a real strip chart and XY chart.
sm_test(plot_cursor_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DataCursorTest.cpp
  DEPS plot)
