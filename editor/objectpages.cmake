# The layout viewer and the pages of the cursors, limits, labels, legends,
# tables, toolbars and data views.
list(APPEND editor_sources
  ${CMAKE_CURRENT_LIST_DIR}/iLayoutPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iLayoutDrag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iLayoutViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iEditorObjectFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorLayoutPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorDataCursorPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorLimitPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorLabelPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorLegendPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorTablePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorToolBarPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dIredEditorDataViewPage.cpp
)
