// The factories of the editor's pages; dIredEditor.cpp lists them in the
// order of the tabs. Each page lives in its own file
// (editor/dIredEditor<Kind>Page.cpp) and is added by declaring its factory
// here, naming it in that list and adding the file to editor_sources.
// A page of objects derives from TiPlotEditorObjectPage and builds its
// sub-pages with AddSheet; a page of one object (the chart) binds its
// controls itself through iEditorBinding.h.
#pragma once
#include "editor/iEditorPage.h"

std::unique_ptr<TiPlotEditorPage> MakeControlPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeChannelPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeXAxisPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeYAxisPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeLayoutPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeDataCursorPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeLimitPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeLabelPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeLegendPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeTablePage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeToolBarPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeDataViewPage(TiPlotEditorForm& form, QWidget* tab);
