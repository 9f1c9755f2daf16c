# The plot's own files: configuration, annotations, data and the log.
list(APPEND plot_sources
  iPlotDataFile.cpp
  dIredComponentDataFile.cpp
  dIredComponentConfigFile.cpp
  dIredComponentLog.cpp
)
