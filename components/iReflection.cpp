#include "components/iReflection.h"

#include <algorithm>

const std::string& TPersistent::ClassName() const { return ClassInfo().Name(); }

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

namespace reflection_detail {
void RangeError(const std::string& property, int64_t value) {
  throw EConvertError("'" + std::to_string(value) + "' is out of range for " + property);
}
}  // namespace reflection_detail

bool TPropInfo::Writable() const {
  switch (Kind) {
    case pkFloat: return static_cast<bool>(SetFloat);
    case pkString: return static_cast<bool>(SetString);
    case pkObject: return static_cast<bool>(VisitObject);  // written into, not replaced
    default: return static_cast<bool>(SetOrdinal);
  }
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties,
                       std::function<void*(TPersistent*)> cast)
    : name_(std::move(name)), parent_(parent), properties_(std::move(properties)), cast_(std::move(cast)) {
  index_.reserve(properties_.size());
  for (size_t i = 0; i < properties_.size(); ++i) index_.emplace_back(LowerCase(properties_[i].Name), i);
  // A descendant may list a property its ancestor already has (to give it a
  // new default): the later entry wins the lookup, the walk keeps both in
  // order, and the stable sort keeps the later one last among equals.
  std::stable_sort(index_.begin(), index_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::Find(std::string_view name) const {
  const std::string key = LowerCase(name);
  auto it = std::upper_bound(index_.begin(), index_.end(), key,
                             [](const std::string& k, const auto& entry) { return k < entry.first; });
  if (it == index_.begin() || std::prev(it)->first != key) return nullptr;
  return &properties_[std::prev(it)->second];
}

TObjectRef Reflect(TPersistent& object) {
  const TClassInfo& cls = object.ClassInfo();
  return TObjectRef{cls.Cast(object), &cls};
}

TObjectRef Reflect(const TPersistent& object) { return Reflect(const_cast<TPersistent&>(object)); }

bool WithProperty(TObjectRef root, std::string_view path, bool modify,
                  const std::function<void(TObjectRef holder, const TPropInfo& property)>& action) {
  if (!root) return false;
  const size_t dot = path.find('.');
  const TPropInfo* prop = root.Class->Find(path.substr(0, dot));
  if (prop == nullptr) return false;
  if (dot == std::string_view::npos) {
    action(root, *prop);
    return true;
  }
  if (prop->Kind != pkObject) return false;
  bool found = false;
  prop->VisitObject(root.Object, modify,
                    [&](TObjectRef sub) { found = WithProperty(sub, path.substr(dot + 1), modify, action); });
  return found;
}

namespace {
// `get` is the source class's entry for the property, `set` the target's: the
// source's list starts with the target's, so they sit at the same index, and
// each takes its own object as the class that lists it.
void AssignOne(TObjectRef target, TObjectRef source, const TPropInfo& set, const TPropInfo& get) {
  switch (set.Kind) {
    case pkFloat: set.SetFloat(target.Object, get.GetFloat(source.Object)); break;
    case pkString: set.SetString(target.Object, get.GetString(source.Object)); break;
    case pkObject:
      get.VisitObject(source.Object, false, [&](TObjectRef from) {
        if (!from) return;
        set.VisitObject(target.Object, true, [&](TObjectRef to) {
          if (to) AssignProperties(to, from);
        });
      });
      break;
    default: set.SetOrdinal(target.Object, get.GetOrdinal(source.Object)); break;
  }
}
}  // namespace

void AssignProperties(TObjectRef target, TObjectRef source) {
  if (!target || !source) return;
  if (!source.Class->InheritsFrom(*target.Class))
    throw EConvertError("Cannot assign a " + source.Class->Name() + " to a " + target.Class->Name());
  const auto& to = target.Class->Properties();
  const auto& from = source.Class->Properties();
  for (size_t i = 0; i < to.size(); ++i)
    if (to[i].Writable()) AssignOne(target, source, to[i], from[i]);
}
