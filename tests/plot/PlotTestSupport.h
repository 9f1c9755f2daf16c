// A minimal chart for the object-model tests: owns a master manager and
// records what the objects report to it.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "tests/support/MessageOf.h"
#include "plot/dIredMasterManager.h"


class TTestPlot : public TiPlotOwner {
 public:
  TTestPlot() {
    master = std::make_unique<TiPlotMasterManager>(
        this, [this](TiObject*) { ++changes; }, [this](TiObject* o) { removed.push_back(o); },
        [this](TiObject*) { ++repaintsNow; });
  }
  ~TTestPlot() override {
    master->ObjectManager()->DetachHooks();
    master.reset();
  }
  TiPlotMasterManager* MasterManager() override { return master.get(); }
  void ShowPopupMenu(TiPopupMenu& menu, int, int) override { ++popups; }
  void ObjectClick(TiPlotObject* object, const TiPlotMouseData&) override { clicked.push_back(object); }
  void ObjectGotFocus(TiPlotObject* object) override { focused.push_back(object); }

  std::unique_ptr<TiPlotMasterManager> master;
  int changes = 0, repaintsNow = 0, popups = 0;
  std::vector<TiObject*> removed;
  std::vector<TiPlotObject*> clicked, focused;
};
