# Channel benchmarks: AddXY beside the same work written flat; trace drawing
# beside QCustomPlot's Qt 6 build (libqcustomplot-dev).
sm_bench(channels_addxy SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/AddXYBench.cpp DEPS plot)
sm_bench(channels_trace SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/TraceBench.cpp
         DEPS plot Qt6::Widgets QCustomPlotQt6::QCustomPlotQt6)
target_compile_definitions(bench_channels_trace PRIVATE SM_HAVE_QCUSTOMPLOT)
# A data cursor's reading on few and many points; a frame with markers beside
# the same trace without them.
sm_bench(channels_markers SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/MarkersBench.cpp DEPS plot Qt6::Gui)
