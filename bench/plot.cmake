sm_bench(plot_datalist SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/DataListBench.cpp DEPS plot)
# The chart's data files, saved and loaded, beside bare formatting and I/O.
sm_bench(plot_datafile SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/DataFileBench.cpp DEPS plot Qt6::Widgets)
