# Limits and annotations, drawn and dragged in a strip chart.
sm_test(plot_marks_test QT
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LimitTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/AnnotationTest.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/MarksPictureTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/MarksWindowTest.cpp
  DEPS plot)
