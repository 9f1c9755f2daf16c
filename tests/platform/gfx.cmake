sm_test(platform_gfx_test
  SOURCES CanvasTest.cpp CanvasTextTest.cpp LineRasterTest.cpp ImageFilesTest.cpp MetafileTest.cpp EmfParser.cpp ControlTest.cpp
  DEPS platform PNG::PNG JPEG::JPEG Qt6::Gui Qt6::Widgets)
