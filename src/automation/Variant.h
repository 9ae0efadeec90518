#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "automation/Date.h"
#include "automation/Ref.h"

namespace qh {

class Object;

// A dynamic array of strings with lower bound 0, as the add-in's tag list is kept. An
// unassigned array (never sized) is distinct from an array without elements.
struct StringArray {
  bool assigned = false;
  std::vector<std::string> items;

  static StringArray of(std::vector<std::string> items) { return {true, std::move(items)}; }
  friend bool operator==(const StringArray&, const StringArray&) = default;
};

// One automation value: what a VARIANT holds in the calls the add-in makes and receives.
// Strings are UTF-8. Conversions follow OLE Automation's VariantChangeType and are all in
// Variant.cpp; a conversion that cannot be made raises Error("Type mismatch"), a number out
// of range Error("Overflow"), and Null Error("Invalid use of Null").
class Variant {
 public:
  enum class Type {
    Empty,
    Null,
    Bool,
    Int16,
    Int32,
    Double,
    Date,
    String,
    Object,
    StringArray,
    Missing
  };

  Variant();
  Variant(bool v);
  Variant(std::int16_t v);
  Variant(int v);  // a 32-bit integer
  Variant(long v);
  Variant(double v);
  Variant(Date v);
  Variant(std::string v);
  Variant(const char* v);
  Variant(std::string_view v);
  Variant(Ref<Object> v);
  Variant(Object* v);
  Variant(StringArray v);
  Variant(const Variant&);
  Variant(Variant&&) noexcept;
  Variant& operator=(const Variant&);
  Variant& operator=(Variant&&) noexcept;
  ~Variant();

  static Variant null();
  // The value of an omitted optional argument (VT_ERROR / DISP_E_PARAMNOTFOUND on Windows).
  static Variant missing();

  Type type() const;
  bool isEmpty() const { return type() == Type::Empty; }
  bool isNull() const { return type() == Type::Null; }
  bool isMissing() const { return type() == Type::Missing; }
  bool isObject() const { return type() == Type::Object; }
  bool isString() const { return type() == Type::String; }
  // IsNumeric: numbers, booleans, Empty, and text that reads as a number.
  bool isNumeric() const;
  // IsDate: a date, or text that reads as one.
  bool isDate() const;

  bool toBool() const;
  std::int16_t toInt16() const;
  std::int32_t toInt32() const;
  double toDouble() const;
  Date toDate() const;
  std::string toString() const&;
  // A temporary's text is moved out instead of copied.
  std::string toString() &&;
  // An object reference; Empty gives an empty reference, anything else is a type mismatch.
  Ref<Object> toObject() const;
  const StringArray& toStringArray() const;

  // Direct access where the type is known; raise Type mismatch otherwise.
  const std::string& asString() const;

  // The variant comparison "a = b" of late-bound code: objects compare by their default
  // value, numbers numerically, text exactly; Empty equals 0 and "". Null never equals.
  friend bool variantEquals(const Variant& a, const Variant& b);

  // Strict equality of type and value (objects by identity); for tests and containers.
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  struct MissingTag {
    bool operator==(const MissingTag&) const = default;
  };
  using Storage = std::variant<std::monostate, NullTag, bool, std::int16_t, std::int32_t, double,
                               Date, std::string, Ref<Object>, StringArray, MissingTag>;
  Storage v_;
};

using Args = std::vector<Variant>;

// Text of a Variant's type, for messages.
const char* typeName(Variant::Type t);

}  // namespace qh
