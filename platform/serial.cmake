# The serial device over POSIX termios, and the hand-over of serial events to
# the GUI thread.
sm_library(platform_serial
  SOURCES SerialDevice.cpp SerialTermios.cpp SerialSynchronizer.cpp
  DEPS Qt6::Core Threads::Threads)
target_link_libraries(platform INTERFACE platform_serial)
