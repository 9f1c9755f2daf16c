# The plot's own files: configuration, annotations, data and the log.
list(APPEND plot_sources
  iPlotDataFile.cpp
  dIredComponentDataFile.cpp
  dIredComponentConfigFile.cpp
  dIredComponentLog.cpp
)
# A channel's own files: configuration, data and its log.
list(APPEND plot_sources
  dIredChannelConfigFile.cpp
  dIredChannelDataFile.cpp
  dIredChannelLog.cpp
)
