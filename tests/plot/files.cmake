# The plot's own files: data, configuration, annotations and the log; and a
# channel's own configuration, data and log files.
sm_test(plot_files_test QT SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DataFileTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ConfigFileTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PlotLogTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ChannelFileTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ChannelLogTest.cpp DEPS plot)
