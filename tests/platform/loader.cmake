# Libraries loaded at run time, and calls handed to the GUI thread.
sm_test(platform_loader_test SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LoaderTest.cpp DEPS platform_loader)
