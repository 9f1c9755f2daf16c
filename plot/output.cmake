# The chart leaving the screen: clipboard, picture files, printing, preview.
list(APPEND plot_sources
  iPrintGeometry.cpp
  dIredComponentOutput.cpp
  dIredPreview.cpp
  dIredPreviewSettings.cpp
)
