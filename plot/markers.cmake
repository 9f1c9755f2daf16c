# Channel markers, bars, high-low bars and the data cursor read-out.
list(APPEND plot_sources
  iMarkerShape.cpp
  iChannelBars.cpp
  dIredChannelMarkers.cpp
  dIredChannelBars.cpp
  dIredChannelReadOut.cpp
)
