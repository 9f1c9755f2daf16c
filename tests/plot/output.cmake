# The chart leaving the screen: clipboard, picture files, printing, preview.
sm_test(plot_output_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/OutputTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PrintTest.cpp
          ${PROJECT_SOURCE_DIR}/tests/platform/EmfParser.cpp
  DEPS plot PNG::PNG JPEG::JPEG)
