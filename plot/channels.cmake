# Channel statistics and trace drawing.
list(APPEND plot_sources
  iChannelStatistics.cpp
  iTraceDrawer.cpp
  iTraceReduction.cpp
  iTraceStyles.cpp
  iCurveFit.cpp
)
