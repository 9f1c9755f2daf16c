# Channel markers, bars, high-low bars, hit tests and the data cursor read-out.
sm_test(plot_marker_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/MarkerShapeTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ChannelMarkersTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ChannelReadOutTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ChannelMouseTest.cpp
  DEPS plot)
