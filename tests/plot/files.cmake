# The plot's own files: data, configuration, annotations and the log.
sm_test(plot_files_test QT SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DataFileTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ConfigFileTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PlotLogTest.cpp DEPS plot)
