# The axis engine: value texts, tick placement, the value-pixel map and the
# range arithmetic of tracking, zoom and scroll.
list(APPEND plot_sources iValueFormat.cpp iTickGenerator.cpp iAxisScale.cpp iAxisTracking.cpp)
