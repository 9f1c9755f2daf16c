# Channel benchmarks: AddXY against a bare list add.
if(TARGET plot)
  sm_bench(channels_addxy SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/channels/AddXYBench.cpp DEPS plot)
endif()
