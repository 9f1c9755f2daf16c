#include "components/iVCLComponent.h"

#include "components/iOPCBinding.h"
#include "platform/Bitmap.h"

TiVCLComponent::TiVCLComponent() {
  timer_.OnTick = [this] {
    if (OnInternalTimer) OnInternalTimer(this);
  };
  // The program has no design mode: the designing query stays unset.
  TiOPCItemManagerHooks hooks;
  hooks.NewData = [this](TiOPCItem& item) { OPCNewData(item); };
  hooks.HasProperty = [this](const std::string& name) {
    return WithProperty(Reflect(*this), name, false, [](TObjectRef, const TPropInfo&) {});
  };
  hooks.SetError = [this](bool error) { SetErrorActive(error); };
  opcItems_ = std::make_unique<TiOPCItemManager>(std::move(hooks));
}

TiVCLComponent::~TiVCLComponent() {
  destroying_ = true;
  opcItems_.reset();  // no value may arrive into a half-destroyed component
  timer_.Stop();
}

const TClassInfo& TiVCLComponent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TiVCLComponent>("TiVCLComponent").Inherits<TiComponent>().Build();
  return info;
}

void TiVCLComponent::Lock() {
  if (!destroying_) section_.lock();
}

void TiVCLComponent::Unlock() {
  if (!destroying_) section_.unlock();
}

void TiVCLComponent::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  if (value) {
    parentCopy_ = std::make_unique<TBitmap>(Width(), Height());
    parentCopyStale_ = false;
    MarkParentCopyStale();
  } else {
    parentCopy_.reset();
    parentCopyStale_ = false;
  }
  BackGroundChange();
}

void TiVCLComponent::MarkParentCopyStale() {
  if (parentCopyStale_) return;
  parentCopyStale_ = true;
  BackGroundChange();
}

void TiVCLComponent::BackGroundChangeNotification() {
  TiComponent::BackGroundChangeNotification();
  if (transparent_) MarkParentCopyStale();
}

void TiVCLComponent::BoundsChanged() {
  if (parentCopy_ && Width() > 0 && Height() > 0) parentCopy_->SetSize(Width(), Height());
  if (transparent_) MarkParentCopyStale();
  BackGroundChange();
}

void TiVCLComponent::RefreshParentCopy() {
  if (parentCopy_->Width() != Width() || parentCopy_->Height() != Height()) parentCopy_->SetSize(Width(), Height());
  if (CopyParentPixels(*parentCopy_)) {
    parentCopyStale_ = false;
  } else {
    parentCopy_->Fill(BackGroundColor());
  }
}

void TiVCLComponent::DrawBackGround(TCanvas& canvas, TColor color) {
  if (!transparent_ || !parentCopy_) {
    TiComponent::DrawBackGround(canvas, color);
    return;
  }
  BackGroundDrawn();
  if (parentCopyStale_) RefreshParentCopy();
  canvas.Draw(0, 0, *parentCopy_);
  DrawBorder(canvas);
}

// ---- OPC --------------------------------------------------------------------

void TiVCLComponent::OPCNewData(TiOPCItem& item) {
  const std::string& path = item.PropertyName();
  const size_t first = path.find_first_not_of(' '), last = path.find_last_not_of(' ');
  if (first == std::string::npos) return;
  struct TScope {
    bool& flag;
    explicit TScope(bool& f) : flag(f) { flag = true; }
    ~TScope() { flag = false; }
  } scope(inOPCUpdate_);
  TiOPCValue value = item.Value();
  const int index = opcItems_->IndexOf(&item);
  if (OnBeforeNewOPCData) OnBeforeNewOPCData(this, index, value);
  if (item.QualityGood()) SetPropertyFromOPC(Reflect(*this), path.substr(first, last - first + 1), value);
  if (OnNewOPCData) OnNewOPCData(this, index);
}

// Two pixels of red inside the edge: seen over any face, and it leaves the
// value readable.
void TiVCLComponent::DrawOverlay(TCanvas& canvas) {
  if (!errorActive_) return;
  const int w = Width(), h = Height();
  canvas.Brush = TBrush{};
  canvas.Brush.Color = clRed;
  canvas.FillRect({0, 0, w, 2});
  canvas.FillRect({0, h - 2, w, h});
  canvas.FillRect({0, 0, 2, h});
  canvas.FillRect({w - 2, 0, w, h});
}
