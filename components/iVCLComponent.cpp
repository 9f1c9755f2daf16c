#include "components/iVCLComponent.h"

#include "platform/Bitmap.h"

TiVCLComponent::TiVCLComponent() {
  timer_.OnTick = [this] {
    if (OnInternalTimer) OnInternalTimer(this);
  };
}

TiVCLComponent::~TiVCLComponent() {
  destroying_ = true;
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
