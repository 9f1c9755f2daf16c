// TiPlotPreviewSettingsForm: the print preview's settings dialog
// ("Settings"): orientation, the four margins in inches, the document name
// and the preview's paper size, with OK and Cancel. Its captions pass
// through the plot's translation table.
#pragma once
#include "platform/PreviewWindow.h"

class TiPlotComponent;

class TiPlotPreviewSettingsForm {
 public:
  explicit TiPlotPreviewSettingsForm(TiPlotComponent& plot);

  platform::TPreviewSettings Values;
  const platform::TPreviewSettingsTexts& Texts() const { return Texts_; }

  // Shows the dialog; true on OK, with Values as edited. Cancel leaves
  // Values as they were.
  bool Execute();

 private:
  platform::TPreviewSettingsTexts Texts_;
};
