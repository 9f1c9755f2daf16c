# The legend: row placement and the links to channels and axes.
list(APPEND plot_sources iLegendLayout.cpp iLegendLinks.cpp)
