sm_bench(gfx SOURCES gfx/RepaintBench.cpp DEPS platform Qt6::Gui)
