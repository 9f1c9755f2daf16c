# A full repaint of the main window's chart beside QCustomPlot drawing an
# equivalent chart into a QImage of the same size, in the same run.
if(TARGET plot)
  find_library(QCUSTOMPLOT_QT6 NAMES QCustomPlotQt6)
  if(QCUSTOMPLOT_QT6)
    sm_bench(frame_repaint SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/frame/RepaintBench.cpp
             DEPS plot ${QCUSTOMPLOT_QT6} Qt6::Widgets Qt6::PrintSupport)
  endif()
endif()
