# Texts of dates, times and grouped or scientific numbers, by the locale.
sm_library(platform_format SOURCES DateTimeFormat.cpp NumberFormat.cpp DEPS platform_core)
target_link_libraries(platform INTERFACE platform_format)
