# Tests of the toolbar: its buttons, actions, hints and painting.
sm_test(plot_toolbar_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ToolBarTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ToolBarPaintTest.cpp
  DEPS plot)
