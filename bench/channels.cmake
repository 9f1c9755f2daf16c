# Channel benchmarks: AddXY against a bare list add; trace drawing beside
# QCustomPlot's Qt 6 build when it is installed (libqcustomplot-dev).
if(TARGET plot)
  sm_bench(channels_addxy SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/AddXYBench.cpp DEPS plot)
  sm_bench(channels_trace SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/TraceBench.cpp DEPS plot Qt6::Widgets)
  find_package(QCustomPlotQt6 QUIET)
  if(QCustomPlotQt6_FOUND)
    target_link_libraries(bench_channels_trace PRIVATE QCustomPlotQt6::QCustomPlotQt6)
    target_compile_definitions(bench_channels_trace PRIVATE SM_HAVE_QCUSTOMPLOT)
  else()
    message(STATUS "QCustomPlot (Qt 6) not found: the trace benchmark runs without it")
  endif()
endif()
