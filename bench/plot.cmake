sm_bench(plot_datalist SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/DataListBench.cpp DEPS plot)
