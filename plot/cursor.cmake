# The data cursor's drawing (dIredDataCursor.cpp is listed with the object
# kinds).
list(APPEND plot_sources
  dIredDataCursorDraw.cpp
  dIredDataCursorInput.cpp
  dIredDataCursorMenu.cpp
)
