// Binding by name: a control named after its page's kind prefix, a published
// property and its kind of control ("XAxisMinEdit", "ChannelColorPicker",
// "ControlTitleFontPicker") edits that property of the page's object,
// looked up through the reflection. Text boxes, check boxes, radio groups,
// combo boxes and colour and font pickers are bound; buttons and file
// pickers run operations and are not.
//
// GUI thread only.
#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "components/iReflection.h"

// The property `control` edits (empty when it edits none, or its name does not
// begin with `prefix`).
std::string BoundProperty(const QWidget& control, const std::string& prefix);

// The bound controls of a page, in page order.
std::vector<QWidget*> BoundControls(const QWidget& page, const std::string& prefix);

// Enables or disables every control whose name begins with `prefix`, except
// page controls, sub-pages and labels.
void EnablePrefixedControls(QWidget& page, const std::string& prefix, bool enabled);

// Sets every bound control from its property of `object`.
void LoadControls(const QWidget& page, const std::string& prefix, TObjectRef object);

// Writes each bound control whose value differs from what it was loaded with
// into its property, in page order with "Name" first, so that each setter
// applies its own rules; unchanged controls are not written, so a value the
// chart changed meanwhile (a scrolling axis's Min) is not set back. A value
// that does not convert, or that the setter refuses, is left out and its
// message returned.
std::vector<std::string> StoreControls(const QWidget& page, const std::string& prefix, TObjectRef object);
