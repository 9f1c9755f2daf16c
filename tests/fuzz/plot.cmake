sm_fuzz(plot_stream SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/PlotStreamFuzz.cpp DEPS plot FOLDERS tests)
