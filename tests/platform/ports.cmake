sm_test(platform_ports_test SOURCES SerialPortsTest.cpp DEPS platform_ports)
