#include "editor/iEditorBinding.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <algorithm>
#include <exception>

#include "components/iFont.h"
#include "components/iValueText.h"
#include "editor/iEditorBasicComponents.h"
#include "platform/Locale.h"

namespace {

// The suffix a control's name ends in, by its class; empty for controls that
// edit no property.
std::string KindSuffix(const QWidget& control) {
  if (dynamic_cast<const TiComponentEditorEdit*>(&control)) return "Edit";
  if (dynamic_cast<const TiComponentEditorCheckBox*>(&control)) return "CheckBox";
  if (dynamic_cast<const TiComponentEditorRadioGroup*>(&control)) return "RadioGroup";
  if (dynamic_cast<const TiComponentEditorComboBox*>(&control)) return "ComboBox";
  if (dynamic_cast<const TiComponentEditorColorPicker*>(&control)) return "Picker";
  if (dynamic_cast<const TiComponentEditorFontPicker*>(&control)) return "Picker";
  return {};
}

char DecimalSeparator() { return platform::FormatSettings().DecimalSeparator; }

std::string FontText(const TFont& f) {
  return f.Name + "|" + std::to_string(f.Height) + "|" + std::to_string(f.Color) + "|" + std::to_string(f.Style) +
         "|" + std::to_string(f.Orientation);
}

// What a control shows, as one comparable text.
std::string ControlValue(const QWidget* c) {
  if (auto* e = dynamic_cast<const TiComponentEditorEdit*>(c)) return e->Text();
  if (auto* b = dynamic_cast<const TiComponentEditorCheckBox*>(c)) return b->isChecked() ? "1" : "0";
  if (auto* r = dynamic_cast<const TiComponentEditorRadioGroup*>(c)) return std::to_string(r->ItemIndex());
  if (auto* x = dynamic_cast<const TiComponentEditorComboBox*>(c))
    return x->isEditable() ? x->Text() : std::to_string(x->currentIndex());
  if (auto* p = dynamic_cast<const TiComponentEditorColorPicker*>(c)) return std::to_string(p->Color());
  if (auto* f = dynamic_cast<const TiComponentEditorFontPicker*>(c)) return FontText(f->Font());
  return {};
}

void Remember(QWidget* c) { c->setProperty("iLoadedValue", QString::fromStdString(ControlValue(c))); }
bool Changed(const QWidget* c) {
  return c->property("iLoadedValue").toString().toStdString() != ControlValue(c);
}

TFont ReadFont(TObjectRef o, const TPropInfo& p) {
  TFont font;
  p.VisitObject(o.Object, false, [&](TObjectRef sub) {
    if (sub.Object) font = *static_cast<const TFont*>(sub.Object);
  });
  return font;
}

std::string PropertyText(TObjectRef o, const TPropInfo& p) {
  switch (p.Kind) {
    case pkString: return p.GetString(o.Object);
    case pkFloat: return FloatToText(p.GetFloat(o.Object), DecimalSeparator(), 0);
    case pkObject: return {};
    default: return std::to_string(p.GetOrdinal(o.Object));
  }
}

void LoadControl(QWidget* c, TObjectRef o, const TPropInfo& p) {
  if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) {
    e->SetCommittedText(PropertyText(o, p));
  } else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) {
    b->setChecked(p.GetOrdinal(o.Object) != 0);
  } else if (auto* r = dynamic_cast<TiComponentEditorRadioGroup*>(c)) {
    r->SetItemIndex(static_cast<int>(p.GetOrdinal(o.Object)));
  } else if (auto* x = dynamic_cast<TiComponentEditorComboBox*>(c)) {
    if (x->isEditable()) {
      x->SetText(PropertyText(o, p));
    } else {
      const QSignalBlocker quiet(x);
      x->setCurrentIndex(static_cast<int>(p.GetOrdinal(o.Object)));
    }
  } else if (auto* k = dynamic_cast<TiComponentEditorColorPicker*>(c)) {
    k->SetColor(static_cast<TColor>(p.GetOrdinal(o.Object)));
  } else if (auto* f = dynamic_cast<TiComponentEditorFontPicker*>(c)) {
    f->SetFont(ReadFont(o, p));
  }
  Remember(c);
}

void WriteText(TObjectRef o, const TPropInfo& p, const std::string& text) {
  switch (p.Kind) {
    case pkString: p.SetString(o.Object, text); break;
    case pkFloat: p.SetFloat(o.Object, TextToFloat(text, DecimalSeparator())); break;
    default: p.SetOrdinal(o.Object, TextToInteger(text)); break;
  }
}

void StoreControl(const QWidget* c, TObjectRef o, const TPropInfo& p) {
  if (auto* e = dynamic_cast<const TiComponentEditorEdit*>(c)) {
    WriteText(o, p, e->Text());
  } else if (auto* b = dynamic_cast<const TiComponentEditorCheckBox*>(c)) {
    p.SetOrdinal(o.Object, b->isChecked() ? 1 : 0);
  } else if (auto* r = dynamic_cast<const TiComponentEditorRadioGroup*>(c)) {
    p.SetOrdinal(o.Object, r->ItemIndex());
  } else if (auto* x = dynamic_cast<const TiComponentEditorComboBox*>(c)) {
    if (x->isEditable()) WriteText(o, p, x->Text());
    else p.SetOrdinal(o.Object, x->currentIndex());
  } else if (auto* k = dynamic_cast<const TiComponentEditorColorPicker*>(c)) {
    p.SetOrdinal(o.Object, k->Color());
  } else if (auto* f = dynamic_cast<const TiComponentEditorFontPicker*>(c)) {
    const TFont font = f->Font();
    p.VisitObject(o.Object, true, [&](TObjectRef sub) {
      if (sub.Object) *static_cast<TFont*>(sub.Object) = font;
    });
  }
}

bool IsPageOrLabel(const QWidget* w) {
  return qobject_cast<const QTabWidget*>(w) || qobject_cast<const QLabel*>(w) ||
         qobject_cast<const QStackedWidget*>(w->parentWidget());
}

// The widgets under `w` in page order. Children lists are no guide for
// pages: showing a page raises it to the end of its parent's list.
void Walk(const QWidget* w, std::vector<QWidget*>& out) {
  auto visit = [&](QWidget* child) {
    out.push_back(child);
    Walk(child, out);
  };
  if (auto* stack = qobject_cast<const QStackedWidget*>(w)) {
    for (int i = 0; i < stack->count(); ++i) visit(stack->widget(i));
    return;
  }
  for (QObject* child : w->children())
    if (auto* widget = qobject_cast<QWidget*>(child)) visit(widget);
}

std::vector<QWidget*> InPageOrder(const QWidget& page) {
  std::vector<QWidget*> all;
  Walk(&page, all);
  return all;
}

}  // namespace

std::string BoundProperty(const QWidget& control, const std::string& prefix) {
  const std::string suffix = KindSuffix(control);
  const std::string name = control.objectName().toStdString();
  if (suffix.empty() || name.size() <= prefix.size() + suffix.size()) return {};
  if (name.compare(0, prefix.size(), prefix) != 0) return {};
  if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return {};
  return name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
}

std::vector<QWidget*> BoundControls(const QWidget& page, const std::string& prefix) {
  std::vector<QWidget*> controls;
  for (QWidget* w : InPageOrder(page))
    if (!BoundProperty(*w, prefix).empty()) controls.push_back(w);
  std::stable_partition(controls.begin(), controls.end(),
                        [&](QWidget* w) { return BoundProperty(*w, prefix) == "Name"; });
  return controls;
}

void EnablePrefixedControls(QWidget& page, const std::string& prefix, bool enabled) {
  const QString start = QString::fromStdString(prefix);
  for (QWidget* w : page.findChildren<QWidget*>())
    if (w->objectName().startsWith(start) && !IsPageOrLabel(w)) w->setEnabled(enabled);
}

void LoadControls(const QWidget& page, const std::string& prefix, TObjectRef object) {
  for (QWidget* c : BoundControls(page, prefix))
    if (const TPropInfo* p = object.Class->Find(BoundProperty(*c, prefix))) LoadControl(c, object, *p);
}

std::vector<std::string> StoreControls(const QWidget& page, const std::string& prefix, TObjectRef object) {
  std::vector<std::string> errors;
  for (QWidget* c : BoundControls(page, prefix)) {
    const TPropInfo* p = object.Class->Find(BoundProperty(*c, prefix));
    if (!p || !p->Writable() || !Changed(c)) continue;
    try {
      StoreControl(c, object, *p);
      Remember(c);
    } catch (const std::exception& error) {
      errors.push_back(error.what());
      LoadControl(c, object, *p);  // shows what the property kept
    }
  }
  return errors;
}
