# The layout pass, the layout manager, data view, label and the plot frame.
list(APPEND plot_sources
  iLayoutLanes.cpp
  dIredComponent.cpp
  dIredComponentPaint.cpp
  dIredComponentInput.cpp
  dIredComponentStream.cpp
  dIred.cpp
  iXYPlot.cpp
)
