# The clipboard, the printer and the preview windows.
sm_test(platform_output_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/OutputTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/EmfParser.cpp
  DEPS platform PNG::PNG JPEG::JPEG)
