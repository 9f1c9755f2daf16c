sm_bench(components_repaint SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/components/RepaintBench.cpp DEPS components Qt6::Gui)
