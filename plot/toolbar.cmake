# The toolbar's helpers: its buttons, image list.
list(APPEND plot_sources iToolBarButton.cpp iToolBarImageList.cpp)
