#include "plot/dIredPreviewSettings.h"

#include "plot/dIredComponent.h"

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(TiPlotComponent& plot) {
  auto t = [&plot](const char* text) { return plot.Translate(text); };
  Texts_ = {t("Settings"), t("Orientation"), t("Portrait"), t("Landscape"), t("Margin"), t("Top"), t("Left"),
            t("Right"), t("Bottom"), t("Document Name"), t("Paper Size"), t("OK"), t("Cancel"),
            {t("Letter"), t("Legal"), t("A3"), t("A4"), t("A5")}};
}

bool TiPlotPreviewSettingsForm::Execute() {
  platform::TPreviewSettings edited = Values;
  if (!platform::EditPreviewSettings(edited, Texts_)) return false;
  Values = edited;
  return true;
}
