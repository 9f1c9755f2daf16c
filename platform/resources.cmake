# Pictures compiled into the program.
sm_library(platform_resources SOURCES Resources.cpp DEPS platform_gfx)
target_link_libraries(platform INTERFACE platform_resources)
