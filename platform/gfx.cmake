# Drawing: the canvas on QPainter, off-screen bitmaps, the picture encoders,
# the metafile recorder and EMF writer, the child-window host.
sm_library(platform_gfx
  SOURCES SystemColors.cpp Canvas.cpp CanvasText.cpp PainterCanvas.cpp LineRaster.cpp Bitmap.cpp BmpFile.cpp
          PngEncoder.cpp JpegEncoder.cpp Metafile.cpp EmfWriter.cpp Control.cpp
  DEPS platform_ui Qt6::Gui Qt6::Widgets
  PRIVATE_DEPS PNG::PNG JPEG::JPEG ZLIB::ZLIB)
target_link_libraries(platform INTERFACE platform_gfx)
