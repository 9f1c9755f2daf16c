# The serial path's two figures: CPU use of an open, idle port and a fast poll
# against the sensor simulator.
sm_bench(serial SOURCES serial/SerialBench.cpp DEPS comm sensor_sim_frames)
target_compile_definitions(bench_serial PRIVATE SENSOR_SIM="$<TARGET_FILE:sensor-sim>")
add_dependencies(bench_serial sensor-sim)
