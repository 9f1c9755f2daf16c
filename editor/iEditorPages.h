// The factories of the editor's pages; dIredEditor.cpp lists them in the
// order of the tabs. Each page lives in its own file.
#pragma once
#include "editor/iEditorPage.h"

std::unique_ptr<TiPlotEditorPage> MakeControlPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeChannelPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeXAxisPage(TiPlotEditorForm& form, QWidget* tab);
std::unique_ptr<TiPlotEditorPage> MakeYAxisPage(TiPlotEditorForm& form, QWidget* tab);
