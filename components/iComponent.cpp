#include "components/iComponent.h"

#include "components/iPropertyLines.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"

namespace {
// Unlocks on every way out of a paint.
struct TPaintLock {
  explicit TPaintLock(TiComponent& c) : component(c) { component.Lock(); }
  ~TPaintLock() { component.Unlock(); }
  TiComponent& component;
};

// Sets a flag for the length of a handler.
struct TFlagScope {
  explicit TFlagScope(bool& f) : flag(f) { flag = true; }
  ~TFlagScope() { flag = false; }
  bool& flag;
};
}  // namespace

TiComponent::TiComponent() : requests_([this] { Invalidate(); }) {}

TiComponent::~TiComponent() = default;

const TClassInfo& TiComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TiComponent>("TiComponent")
          .String("Name", &TiComponent::Name, &TiComponent::SetName)
          .Integer("Tag", &TiComponent::Tag, &TiComponent::SetTag)
          .Integer("Left", &TiComponent::Left, &TiComponent::SetLeft)
          .Integer("Top", &TiComponent::Top, &TiComponent::SetTop)
          .Integer("Width", &TiComponent::Width, &TiComponent::SetWidth)
          .Integer("Height", &TiComponent::Height, &TiComponent::SetHeight)
          .Integer("Cursor", [](const TiComponent& c) { return static_cast<int16_t>(c.Cursor()); },
                   [](TiComponent& c, int16_t v) { c.SetCursor(static_cast<TCursor>(v)); })
          .String("Hint", [](const TiComponent& c) { return c.Hint; },
                  [](TiComponent& c, const std::string& v) { c.Hint = v; })
          .Bool("ShowHint", [](const TiComponent& c) { return c.ShowHint; },
                [](TiComponent& c, bool v) { c.ShowHint = v; })
          .Bool("Visible", &TiComponent::Visible, &TiComponent::SetVisible).Default(1)
          .Bool("Enabled", &TiComponent::Enabled, &TiComponent::SetEnabled).Default(1)
          .Bool("AutoFrameRate", &TiComponent::AutoFrameRate, &TiComponent::SetAutoFrameRate).Default(0)
          .Integer("UpdateFrameRate", &TiComponent::UpdateFrameRate, &TiComponent::SetUpdateFrameRate).Default(60)
          .Bool("OptionSaveAllProperties", &TiComponent::OptionSaveAllProperties,
                &TiComponent::SetOptionSaveAllProperties)
          .Default(0)
          .Build();
  return info;
}

void TiComponent::SetBackGroundColor(TColor value) { SetAndBackGroundChange(backGroundColor_, value); }

void TiComponent::SetBorderStyle(TiBevelStyle value) { SetAndBackGroundChange(borderStyle_, value); }

void TiComponent::SetAutoFrameRate(bool value) {
  if (value == requests_.AutoFrameRate()) return;
  requests_.SetAutoFrameRate(value);
  if (value)
    BackGroundChange();
  else
    EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int value) {
  if (value == requests_.UpdateFrameRate()) return;
  requests_.SetUpdateFrameRate(value);
  BackGroundChange();
}

void TiComponent::InvalidateChange() { requests_.ContentsChanged(); }

void TiComponent::BackGroundChange() { BackGroundChangeNotification(); }

void TiComponent::BackGroundChangeNotification() {
  backGroundChanged_ = true;
  requests_.BackgroundChanged();
}

void TiComponent::InvalidateNow() { requests_.Now(); }

void TiComponent::BeginUpdate() { requests_.BeginUpdate(); }

void TiComponent::EndUpdate() { requests_.EndUpdate(); }

bool TiComponent::AllowChange(const std::string& propertyName) {
  bool allow = true;
  if (OnBeforeChange) OnBeforeChange(this, propertyName, allow);
  return allow;
}

void TiComponent::ChangeDone(const std::string& propertyName) {
  if (OnAfterChange) OnAfterChange(this, propertyName);
}

// ---------------------------------------------------------------------------
// Painting

void TiComponent::DrawBackGround(TCanvas& canvas, TColor color) {
  backGroundChanged_ = false;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = color;
  canvas.FillRect(ClientRect());
  DrawBorder(canvas);
}

void TiComponent::DrawBorder(TCanvas& canvas) {
  if (borderStyle_ == ibsRaised)
    canvas.DrawEdge(ClientRect(), esRaised);
  else if (borderStyle_ == ibsLowered)
    canvas.DrawEdge(ClientRect(), esSunken);
}

void TiComponent::DrawPaintError(TCanvas& canvas, const std::string& message) {
  canvas.Pen = TPen{};
  canvas.Brush = TBrush{clBlack, bsSolid};
  canvas.RemoveClip();
  canvas.FillRect(ClientRect());
  canvas.Font = TFont{};
  canvas.Font.Color = clWhite;
  canvas.Brush.Style = bsClear;
  TRect box = ClientRect();
  canvas.DrawText(message, box, dtWordBreak);
}

void TiComponent::Paint(TCanvas& canvas) {
  try {
    if (canvas.IsMetafile()) {
      // A recorder keeps every operation anyway; a bitmap would only blur it.
      TPaintLock lock(*this);
      PaintTo(canvas);
      return;
    }
    PaintBuffered(canvas);
  } catch (const std::exception&) {
    // Painting comes again with the next paint message; a box per paint would
    // bury the operator.
  }
}

void TiComponent::PaintBuffered(TCanvas& canvas) {
  TPaintLock lock(*this);
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  if (!buffer_)
    buffer_ = std::make_unique<TBitmap>(w, h);
  else if (buffer_->Width() != w || buffer_->Height() != h)
    buffer_->SetSize(w, h);
  TCanvas& target = buffer_->Canvas();
  target.Pen = TPen{};
  target.Brush = TBrush{};
  target.RemoveClip();
  try {
    PaintTo(target);
    DrawOverlay(target);
  } catch (const std::exception& e) {
    DrawPaintError(target, e.what());
  }
  canvas.Draw(0, 0, *buffer_);
}

// ---------------------------------------------------------------------------
// Input and focus

void TiComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TFlagScope scope(inInput_);
  iMouseDown(button, shift, x, y);
  TCustomControl::MouseDown(button, shift, x, y);
}

void TiComponent::MouseMove(TShiftState shift, int x, int y) {
  TFlagScope scope(inInput_);
  iMouseMove(shift, x, y);
  TCustomControl::MouseMove(shift, x, y);
}

void TiComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TFlagScope scope(inInput_);
  iMouseUp(button, shift, x, y);
  TCustomControl::MouseUp(button, shift, x, y);
}

void TiComponent::DblClick() {
  TFlagScope scope(inInput_);
  iDoubleClick();
  TCustomControl::DblClick();
}

bool TiComponent::MouseWheel(TShiftState shift, int delta, TPoint position) {
  return iMouseWheel(shift, delta, position);
}

void TiComponent::KeyDown(uint16_t& key, TShiftState shift) {
  TFlagScope scope(inInput_);
  try {
    TCustomControl::KeyDown(key, shift);
    iKeyDown(key, shift);
  } catch (const Exception&) {
  }
}

void TiComponent::KeyUp(uint16_t& key, TShiftState shift) {
  TFlagScope scope(inInput_);
  try {
    TCustomControl::KeyUp(key, shift);
    iKeyUp(key, shift);
  } catch (const Exception&) {
  }
}

void TiComponent::KeyPress(char32_t& key) {
  TFlagScope scope(inInput_);
  try {
    TCustomControl::KeyPress(key);
    iKeyPress(key);
  } catch (const Exception&) {
  }
}

void TiComponent::DoEnter() {
  focused_ = true;
  iGotFocus();
  TCustomControl::DoEnter();
  Invalidate();
}

void TiComponent::DoExit() {
  focused_ = false;
  // Whatever the mouse was doing (a drag) ends with the focus.
  iMouseUp(mbLeft, 0, 0, 0);
  iLostFocus();
  TCustomControl::DoExit();
  Invalidate();
}

// ---------------------------------------------------------------------------
// Property files

std::vector<std::string> TiComponent::PropertyFileExclusions() const {
  TStringList exclusions = {"Name"};
  if (!optionSaveAllProperties_)
    exclusions.insert(exclusions.end(), {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag",
                                         "Visible", "Enabled", "Hint", "HelpContext"});
  return exclusions;
}

void TiComponent::SavePropertiesToFile(const std::string& fileName) {
  try {
    TStringList lines = {"File Type = " + ClassName()};
    SaveObjectProperties(Reflect(*this), "", lines, PropertyFileExclusions());
    platform::WriteFileAtomically(fileName, JoinPropertyLines(lines));
  } catch (const Exception& e) {
    throw Exception("Error Saving Properties - " + e.Message);
  }
}

void TiComponent::LoadPropertiesFromFile(const std::string& fileName) {
  try {
    TPropertyText text = SplitPropertyText(platform::ReadWholeFile(fileName));
    BeginUpdate();
    struct TEndUpdate {
      TiComponent& c;
      ~TEndUpdate() { c.EndUpdate(); }
    } endUpdate{*this};
    LoadObjectProperties(Reflect(*this), "", text.Lines);
    if (!text.Error.empty()) throw EConvertError(text.Error);
    const std::string unused = UnusedPropertyLine(Reflect(*this), text.Lines, "File Type");
    if (!unused.empty()) throw EConvertError(unused);
  } catch (const Exception& e) {
    throw Exception("Error Loading Properties - " + e.Message);
  }
}
