# Annotations: text blocks, drawing and dragging (dIredAnnotation.cpp is
# listed with the object kinds).
list(APPEND plot_sources
  iTextBlock.cpp
  dIredAnnotationDraw.cpp
  dIredAnnotationInput.cpp
)
