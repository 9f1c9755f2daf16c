# Limits: their band elements and drawing (dIredLimit.cpp is listed with the
# object kinds).
list(APPEND plot_sources
  iLimitDataList.cpp
  dIredLimitDraw.cpp
)
