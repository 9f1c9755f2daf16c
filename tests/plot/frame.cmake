# Tests of the layout pass, data view, labels and the plot frame.
set(plot_frame_test_sources
  ${CMAKE_CURRENT_SOURCE_DIR}/LayoutLanesTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LayoutManagerTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/DataViewLabelTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PlotFrameTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ToolBarLeaveTest.cpp
)
sm_test(plot_frame_test QT SOURCES ${plot_frame_test_sources} DEPS plot)
