#include "editor/iEditorObjectFields.h"

void AddObjectFields(TiEditorSheet& sheet) {
  sheet.Edit("Name", "Name");
  sheet.Check("Visible", "Visible");
  sheet.Check("Enabled", "Enabled");
  sheet.Edit("Layer", "Layer");
  sheet.Check("PopupEnabled", "Popup Enabled");
}

void AddLayoutFields(TiEditorSheet& sheet) {
  sheet.Check("Horizontal", "Horizontal");
  sheet.UpDownEdit("ZOrder", "Z-Order", 0, 1000);
  sheet.Edit("StartPercent", "Start Percent");
  sheet.Edit("StopPercent", "Stop Percent");
}
