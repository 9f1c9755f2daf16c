// Published properties: one list per class, walked by name wherever a program
// part needs an object's properties without knowing its class — component
// property files, plot and channel configuration files, the property editor,
// OPC binding by dotted path, stored descriptions and Assign.
//
// Each class lists its published properties once, in declaration order; the
// ancestors' come first. Lookups ignore letter case. A property of kind
// pkObject reaches into a sub-object, so "Font.Color" names the colour of the
// font; a path may go several levels deep.
//
// Registering a class (the list is built once, on first use):
//
//   class TiGauge : public TiCustomComponent {
//    public:
//     static const TClassInfo& StaticClass();
//     const TClassInfo& ClassInfo() const override { return StaticClass(); }
//     TColor NeedleColor() const;  void SetNeedleColor(TColor v);
//     TiGaugeStyle Style() const;  void SetStyle(TiGaugeStyle v);
//     const TFont& Font() const;   void SetFont(const TFont& v);
//     ...
//   };
//
//   const TClassInfo& TiGauge::StaticClass() {
//     static const TClassInfo info = TClassBuilder<TiGauge>("TiGauge")
//         .Inherits<TiCustomComponent>()
//         .Color("NeedleColor", &TiGauge::NeedleColor, &TiGauge::SetNeedleColor).Default(clRed)
//         .Enum("Style", &TiGauge::Style, &TiGauge::SetStyle)  // EnumValueNames(TiGaugeStyle)
//         .Value("Font", &TiGauge::Font, &TiGauge::SetFont, FontClassInfo())
//         .Build();
//     return info;
//   }
//
// Getters and setters are member functions or anything std::invoke can call
// with the object (a lambda taking T&). A property without a setter is
// read-only: files skip it. Two kinds of sub-object:
//   - Object(name, getter): the getter returns a pointer (or reference) to a
//     sub-object the owner keeps; writes go straight into it, and the sub-object
//     tells its owner itself (a TiPlotAxis, a settings object of the port).
//   - Value(name, getter, setter, class): a plain value type such as TFont; a
//     write copies it, changes the copy and hands it to the setter, so the
//     owner's setter compares, stores and notifies as any other setter does.
//
// Writes through this unit check their range: an enumeration ordinal must name
// a value, a set may only hold its elements, a boolean is 0 or 1, an integer
// must fit the property's type. A value out of range raises EConvertError and
// leaves the property as it was.
//
// Objects, classes and lists are used on one thread at a time; the class lists
// themselves are immutable once built and may be read from any thread.
#pragma once
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Exception.h"

class TClassInfo;

// Base of the classes whose dynamic class the reflection must find from a base
// reference (components, plot objects). Value types need not derive from it.
class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual const TClassInfo& ClassInfo() const = 0;
  const std::string& ClassName() const;
};

enum TPropKind : uint8_t {
  pkInteger,   // an int of some width; written as decimal
  pkChar,      // one 8-bit character; written as its code
  pkEnum,      // unscoped enumeration; ValueNames holds the value names
  pkSet,       // bit set, first element = bit 0; ValueNames holds the elements
  pkBool,      // written as 0 or 1
  pkFloat,     // double
  pkString,    // UTF-8 text
  pkColor,     // TColor; an integer to the files, a colour to the editor
  pkObject,    // a sub-object with its own class
};

// An object together with the class its properties are looked up in.
struct TObjectRef {
  void* Object = nullptr;
  const TClassInfo* Class = nullptr;
  explicit operator bool() const { return Object != nullptr && Class != nullptr; }
};

// One published property. The accessors take the object as the class that
// lists it (or a descendant's, through Inherits); only those of the kind are
// set.
struct TPropInfo {
  using Visitor = std::function<void(TObjectRef)>;

  std::string Name;
  TPropKind Kind = pkInteger;
  std::vector<std::string> ValueNames;  // pkEnum values, pkSet elements
  int64_t Min = 0, Max = 0;             // ordinal range a write must respect

  std::function<int64_t(const void*)> GetOrdinal;  // every ordinal kind
  std::function<void(void*, int64_t)> SetOrdinal;
  std::function<double(const void*)> GetFloat;
  std::function<void(void*, double)> SetFloat;
  std::function<std::string(const void*)> GetString;
  std::function<void(void*, const std::string&)> SetString;
  // pkObject: calls the visitor with the sub-object (a null ref when the owner
  // holds none). With `modify`, what the visitor changes is kept.
  std::function<void(void*, bool modify, const Visitor&)> VisitObject;
  const TClassInfo* ObjectClass = nullptr;  // static class of the sub-object

  std::function<bool(const void*)> StoredWhen;  // null: always stored
  bool HasDefault = false;
  int64_t DefaultOrdinal = 0;
  double DefaultFloat = 0;
  std::string DefaultString;

  bool IsOrdinal() const { return Kind != pkFloat && Kind != pkString && Kind != pkObject; }
  bool Writable() const;
  bool Stored(const void* object) const { return !StoredWhen || StoredWhen(object); }
};

class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties,
             std::function<void*(TPersistent*)> cast);

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;

  // Every published property, ancestors first.
  const std::vector<TPropInfo>& Properties() const { return properties_; }
  // Ignores letter case; null when the class has no such property.
  const TPropInfo* Find(std::string_view name) const;

  // The object as this class's accessors expect it (classes derived from
  // TPersistent only).
  void* Cast(TPersistent& object) const { return cast_ ? cast_(&object) : nullptr; }

 private:
  std::string name_;
  const TClassInfo* parent_;
  std::vector<TPropInfo> properties_;
  std::vector<std::pair<std::string, size_t>> index_;  // lower-case name, sorted
  std::function<void*(TPersistent*)> cast_;
};

// The object with its dynamic class.
TObjectRef Reflect(TPersistent& object);
TObjectRef Reflect(const TPersistent& object);

// Runs `action` on the property a dotted path names ("Font.Color"), with the
// object that holds it. With `modify`, value sub-objects on the way are
// written back afterwards. False when a name on the path is unknown or a
// sub-object on the way is missing.
bool WithProperty(TObjectRef root, std::string_view path, bool modify,
                  const std::function<void(TObjectRef holder, const TPropInfo& property)>& action);

// Copies every writable published property of `source` into `target`,
// sub-objects property by property. Both must be of the same class or the
// target's class an ancestor of the source's; otherwise EConvertError
// "Cannot assign a <source> to a <target>".
void AssignProperties(TObjectRef target, TObjectRef source);

// Lower-case ASCII, and comparison without regard to letter case.
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// ---------------------------------------------------------------------------
// Building a class's list.

namespace reflection_detail {
template <class F, class T>
using GetResult = std::remove_cvref_t<std::invoke_result_t<F, const T&>>;
[[noreturn]] void RangeError(const std::string& property, int64_t value);
template <class P>
P* AsPointer(P* p) { return p; }
template <class P>
P* AsPointer(P& p) { return &p; }
}  // namespace reflection_detail

template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(std::string name) : name_(std::move(name)) {}

  // Takes over Base's list; Base must be a base class of T with StaticClass().
  template <class Base>
  TClassBuilder& Inherits() {
    static_assert(std::is_base_of_v<Base, T>);
    parent_ = &Base::StaticClass();
    for (const TPropInfo& p : parent_->Properties()) props_.push_back(Rebase<Base>(p));
    return *this;
  }

  template <class G, class S = std::nullptr_t>
  TClassBuilder& Integer(std::string name, G get, S set = nullptr) {
    using V = reflection_detail::GetResult<G, T>;
    static_assert(std::is_integral_v<V> && sizeof(V) <= 4, "64-bit integers are not published");
    return Ordinal<V>(std::move(name), pkInteger, get, set, std::numeric_limits<V>::min(),
                      std::numeric_limits<V>::max());
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Color(std::string name, G get, S set = nullptr) {
    using V = reflection_detail::GetResult<G, T>;
    return Ordinal<V>(std::move(name), pkColor, get, set, std::numeric_limits<int32_t>::min(),
                      std::numeric_limits<int32_t>::max());
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Char(std::string name, G get, S set = nullptr) {
    return Ordinal<char>(std::move(name), pkChar, get, set, 0, 255);
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Bool(std::string name, G get, S set = nullptr) {
    return Ordinal<bool>(std::move(name), pkBool, get, set, 0, 1);
  }
  // The value names belong to the enumeration, not to the property: each
  // published enumeration declares `EnumValueNames(E)` once, beside itself, so
  // two properties of one type cannot name its values differently.
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Enum(std::string name, G get, S set) {
    using V = reflection_detail::GetResult<G, T>;
    const std::vector<std::string>& valueNames = EnumValueNames(V{});
    const int64_t last = static_cast<int64_t>(valueNames.size()) - 1;
    Ordinal<V>(std::move(name), pkEnum, get, set, 0, last);
    props_.back().ValueNames = valueNames;
    return *this;
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Set(std::string name, G get, S set, std::vector<std::string> elementNames) {
    using V = reflection_detail::GetResult<G, T>;
    const int64_t all = (int64_t{1} << elementNames.size()) - 1;
    Ordinal<V>(std::move(name), pkSet, get, set, 0, all);
    props_.back().ValueNames = std::move(elementNames);
    return *this;
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& Float(std::string name, G get, S set = nullptr) {
    TPropInfo& p = Add(std::move(name), pkFloat);
    p.GetFloat = [get](const void* o) { return static_cast<double>(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      using V = reflection_detail::GetResult<G, T>;
      p.SetFloat = [set](void* o, double v) { std::invoke(set, Self(o), static_cast<V>(v)); };
    }
    return *this;
  }
  template <class G, class S = std::nullptr_t>
  TClassBuilder& String(std::string name, G get, S set = nullptr) {
    TPropInfo& p = Add(std::move(name), pkString);
    p.GetString = [get](const void* o) { return std::string(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetString = [set](void* o, const std::string& v) { std::invoke(set, Self(o), v); };
    return *this;
  }
  // A sub-object the owner keeps; `get` returns a pointer or a reference.
  template <class G>
  TClassBuilder& Object(std::string name, G get, const TClassInfo& objectClass) {
    TPropInfo& p = Add(std::move(name), pkObject);
    p.ObjectClass = &objectClass;
    p.VisitObject = [get, cls = &objectClass](void* o, bool, const TPropInfo::Visitor& visit) {
      auto* sub = reflection_detail::AsPointer(std::invoke(get, *static_cast<T*>(o)));
      visit(SubRef(sub, cls));
    };
    return *this;
  }
  // A sub-object held by value: read through `get`, written back through `set`.
  template <class G, class S>
  TClassBuilder& Value(std::string name, G get, S set, const TClassInfo& valueClass) {
    using V = reflection_detail::GetResult<G, T>;
    TPropInfo& p = Add(std::move(name), pkObject);
    p.ObjectClass = &valueClass;
    p.VisitObject = [get, set, cls = &valueClass](void* o, bool modify, const TPropInfo::Visitor& visit) {
      V copy = std::invoke(get, Self(o));
      visit(TObjectRef{&copy, cls});
      if (modify) std::invoke(set, *static_cast<T*>(o), copy);
    };
    return *this;
  }

  // Modifiers of the property added last.
  TClassBuilder& Default(int64_t ordinal) {
    props_.back().HasDefault = true;
    props_.back().DefaultOrdinal = ordinal;
    return *this;
  }
  TClassBuilder& DefaultFloat(double value) {
    props_.back().HasDefault = true;
    props_.back().DefaultFloat = value;
    return *this;
  }
  TClassBuilder& DefaultString(std::string value) {
    props_.back().HasDefault = true;
    props_.back().DefaultString = std::move(value);
    return *this;
  }
  TClassBuilder& NotStored() {
    props_.back().StoredWhen = [](const void*) { return false; };
    return *this;
  }
  template <class F>
  TClassBuilder& StoredWhen(F predicate) {
    props_.back().StoredWhen = [predicate](const void* o) { return std::invoke(predicate, Self(o)); };
    return *this;
  }

  TClassInfo Build() {
    std::function<void*(TPersistent*)> cast;
    if constexpr (std::is_base_of_v<TPersistent, T>) cast = [](TPersistent* p) -> void* { return static_cast<T*>(p); };
    return TClassInfo(std::move(name_), parent_, std::move(props_), std::move(cast));
  }

 private:
  static const T& Self(const void* o) { return *static_cast<const T*>(o); }
  static T& Self(void* o) { return *static_cast<T*>(o); }

  template <class P>
  static TObjectRef SubRef(P* sub, const TClassInfo* cls) {
    if (sub == nullptr) return {};
    using Plain = std::remove_const_t<P>;
    if constexpr (std::is_base_of_v<TPersistent, Plain>) {
      return Reflect(*const_cast<Plain*>(sub));
    } else {
      return TObjectRef{const_cast<Plain*>(sub), cls};
    }
  }

  TPropInfo& Add(std::string name, TPropKind kind) {
    TPropInfo& p = props_.emplace_back();
    p.Name = std::move(name);
    p.Kind = kind;
    return p;
  }

  template <class V, class G, class S>
  TClassBuilder& Ordinal(std::string name, TPropKind kind, G get, S set, int64_t min, int64_t max) {
    TPropInfo& p = Add(std::move(name), kind);
    p.Min = min;
    p.Max = max;
    // A char is read as its code 0..255 whatever the signedness of char.
    using W = std::conditional_t<std::is_same_v<V, char>, unsigned char, V>;
    p.GetOrdinal = [get](const void* o) { return static_cast<int64_t>(static_cast<W>(std::invoke(get, Self(o)))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      p.SetOrdinal = [set, min, max, name = p.Name](void* o, int64_t v) {
        if (v < min || v > max) reflection_detail::RangeError(name, v);
        std::invoke(set, Self(o), static_cast<V>(static_cast<W>(v)));
      };
    }
    return *this;
  }

  // A parent's property as T's: the accessors take a T and see it as a Base.
  template <class Base>
  static TPropInfo Rebase(const TPropInfo& p) {
    TPropInfo q = p;
    auto up = [](const void* o) -> const void* { return static_cast<const Base*>(static_cast<const T*>(o)); };
    auto upMut = [](void* o) -> void* { return static_cast<Base*>(static_cast<T*>(o)); };
    if (p.GetOrdinal) q.GetOrdinal = [f = p.GetOrdinal, up](const void* o) { return f(up(o)); };
    if (p.SetOrdinal) q.SetOrdinal = [f = p.SetOrdinal, upMut](void* o, int64_t v) { f(upMut(o), v); };
    if (p.GetFloat) q.GetFloat = [f = p.GetFloat, up](const void* o) { return f(up(o)); };
    if (p.SetFloat) q.SetFloat = [f = p.SetFloat, upMut](void* o, double v) { f(upMut(o), v); };
    if (p.GetString) q.GetString = [f = p.GetString, up](const void* o) { return f(up(o)); };
    if (p.SetString) q.SetString = [f = p.SetString, upMut](void* o, const std::string& v) { f(upMut(o), v); };
    if (p.VisitObject)
      q.VisitObject = [f = p.VisitObject, upMut](void* o, bool m, const TPropInfo::Visitor& v) { f(upMut(o), m, v); };
    if (p.StoredWhen) q.StoredWhen = [f = p.StoredWhen, up](const void* o) { return f(up(o)); };
    return q;
  }

  std::string name_;
  const TClassInfo* parent_ = nullptr;
  std::vector<TPropInfo> props_;
};
