# The axis engine: value texts, tick placement, the value-pixel map and the
# range arithmetic of tracking, zoom and scroll; the axis unit's input,
# tick and drawing halves.
list(APPEND plot_sources iValueFormat.cpp iTickGenerator.cpp iAxisScale.cpp iAxisTracking.cpp iAxisText.cpp
     dIredAxisInput.cpp dIredAxisTicks.cpp dIredAxisDraw.cpp)
