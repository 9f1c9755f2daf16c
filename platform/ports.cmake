# The serial ports present, found through sysfs.
sm_library(platform_ports SOURCES SerialPorts.cpp)
target_link_libraries(platform INTERFACE platform_ports)
