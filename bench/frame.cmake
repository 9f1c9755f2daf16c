# A full repaint of the main window's chart beside QCustomPlot drawing an
# equivalent chart into a QImage of the same size, in the same run.
sm_bench(frame_repaint SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/frame/RepaintBench.cpp
         DEPS plot QCustomPlotQt6::QCustomPlotQt6 Qt6::Widgets Qt6::PrintSupport)
