# Channel statistics and trace drawing.
list(APPEND plot_sources
  iTraceDrawer.cpp
  iTraceReduction.cpp
  iTraceStyles.cpp
  iCurveFit.cpp
)
