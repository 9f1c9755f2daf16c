# Tests of the channels: data entry, statistics and trace drawing.
sm_test(plot_channel_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ChannelDataTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/TraceDrawTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/ChannelFeedTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ChannelStatisticsTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/XGoesBackTest.cpp
  DEPS plot)
