# The ways a picture leaves the screen: the clipboard, the printer (Qt Print
# Support, or a PDF file), the save dialog and the print preview window.
sm_library(platform_output
  SOURCES Clipboard.cpp Printer.cpp SaveDialog.cpp PreviewWindow.cpp PreviewSettingsDialog.cpp
  DEPS platform_gfx platform_resources Qt6::PrintSupport)
target_link_libraries(platform INTERFACE platform_output)
