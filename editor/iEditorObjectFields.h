// Controls for the properties that many kinds share: those of every plot
// object, and the lane and range of every layout object (which the "Layout"
// page also changes by dragging).
#pragma once
#include "editor/iEditorSheet.h"

// Name, Visible, Enabled, Layer and PopupEnabled.
void AddObjectFields(TiEditorSheet& sheet);
// Horizontal, ZOrder, StartPercent and StopPercent.
void AddLayoutFields(TiEditorSheet& sheet);
