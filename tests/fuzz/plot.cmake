sm_fuzz(plot_stream SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/PlotStreamFuzz.cpp DEPS plot FOLDERS tests)
sm_fuzz(plot_data_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/PlotDataFileFuzz.cpp DEPS plot)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
sm_fuzz(plot_config SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/plot/PlotConfigFuzz.cpp DEPS plot Qt6::Widgets)
