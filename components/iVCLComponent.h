// TiVCLComponent: the component base with transparency, the critical section
// around painting and the internal timer.
//
// Transparent: the component shows its parent's pixels as its background. A
// copy of them is kept and marked stale on every move, resize and background
// change; DrawBackGround refreshes a stale copy before drawing it. While the
// parent cannot be read, the copy is filled with BackGroundColor and stays
// stale, so the next paint tries again.
//
// Lock/Unlock: a recursive critical section. Painting runs inside it, so
// another thread that feeds a component's data takes it to keep the data
// consistent with what is drawn. While the component is being destroyed
// they do nothing.
//
// The internal timer: TimerStart(first, interval) waits `first` ms for the
// first tick, then ticks every `interval` ms; OnInternalTimer runs on the GUI
// thread. A running timer ignores TimerStart until TimerStop.
//
// OPC binding: OPCItems() holds items that each feed one published property,
// named by a dotted path ("Value", "Font.Color"), on the GUI thread. For each
// good value OnBeforeNewOPCData may change the value before it is stored;
// OnNewOPCData follows every value. An item with AutoError shows the error
// flag (ErrorActive: a red frame over the control) while its quality is bad.
#pragma once
#include <functional>
#include <memory>
#include <mutex>

#include "components/iComponent.h"
#include "components/iInternalTimer.h"
#include "opc/dEDOItem.h"

class TiVCLComponent : public TiComponent {
 public:
  TiVCLComponent();
  ~TiVCLComponent() override;

  static const TClassInfo& StaticClass();

  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);

  void DrawBackGround(TCanvas& canvas, TColor color) override;

  void Lock() override;
  void Unlock() override;

  bool TimerRunning() override { return timer_.Running(); }
  void TimerStart(int firstDelayMs, int intervalMs) override { timer_.Start(firstDelayMs, intervalMs); }
  void TimerStop() override { timer_.Stop(); }
  std::function<void(TiVCLComponent* sender)> OnInternalTimer;

  bool ParentCopyStale() const { return parentCopyStale_; }

  TiOPCItemManager& OPCItems() { return *opcItems_; }
  const TiOPCItemManager& OPCItems() const { return *opcItems_; }
  std::function<void(TiVCLComponent* sender, int itemIndex, TiOPCValue& value)> OnBeforeNewOPCData;
  std::function<void(TiVCLComponent* sender, int itemIndex)> OnNewOPCData;
  bool InOPCUpdate() const { return inOPCUpdate_; }
  bool ErrorActive() const { return errorActive_; }
  void SetErrorActive(bool value) { SetAndInvalidate(errorActive_, value); }

 protected:
  void BoundsChanged() override;
  void BackGroundChangeNotification() override;
  void DrawOverlay(TCanvas& canvas) override;

 private:
  void MarkParentCopyStale();
  void RefreshParentCopy();
  void OPCNewData(TiOPCItem& item);

  bool transparent_ = false;
  bool parentCopyStale_ = false;
  bool destroying_ = false;
  std::unique_ptr<TBitmap> parentCopy_;
  std::recursive_mutex section_;
  TiInternalTimer timer_;
  bool inOPCUpdate_ = false;
  bool errorActive_ = false;
  // Last: its items go (and stop their subscriptions) before the rest.
  std::unique_ptr<TiOPCItemManager> opcItems_;
};
