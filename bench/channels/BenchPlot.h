// A chart of one blue channel on the bench axes, drawn into a 1000 x 400
// bitmap frame by frame: what the trace and marker benchmarks paint.
#pragma once
#include <memory>

#include "platform/Bitmap.h"
#include "plot/dIredChannel.h"
#include "plot/dIredMasterManager.h"
#include "BenchAxes.h"

constexpr int kWidth = 1000, kHeight = 400;

class TBenchPlot : public TiPlotOwner {
 public:
  TBenchPlot() {
    master = std::make_unique<TiPlotMasterManager>(this, [](TiObject*) {}, [](TiObject*) {}, [](TiObject*) {});
    x = new TBenchXAxis(master->Hooks());
    x->Inserted();
    y = new TBenchYAxis(master->Hooks());
    y->Inserted();
    master->AddChannel();
    ch = static_cast<TiPlotChannel*>(master->ChannelManager()->Channel(0));
    ch->SetColor(clBlue);
    y->range = {-60, 120};
  }
  ~TBenchPlot() override {
    master->ObjectManager()->DetachHooks();
    master.reset();
  }
  TiPlotMasterManager* MasterManager() override { return master.get(); }
  void Frame(TBitmap& image) {
    TCanvas& c = image.Canvas();
    c.Brush = TBrush{clWhite, bsSolid};
    c.FillRect(TRect{0, 0, kWidth, kHeight});
    ch->PrepareDraw();
    if (ch->Ready()) ch->Draw(&c, clWhite);
  }
  std::unique_ptr<TiPlotMasterManager> master;
  TBenchXAxis* x;
  TBenchYAxis* y;
  TiPlotChannel* ch;
};
