// All of the add-in's value conversions, following OLE Automation's VariantChangeType.
#include "automation/Variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "automation/Error.h"
#include "automation/Object.h"

namespace qh {
namespace {

[[noreturn]] void mismatch() {
  throw Error(ErrorCode::TypeMismatch);
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool parseNumber(std::string_view text, double& out) {
  std::string_view s = trimmed(text);
  if (s.empty()) return false;
  if (s.front() == '+') s.remove_prefix(1);
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && ptr == s.data() + s.size();
}

// Reads an unsigned decimal field; advances the view.
bool readInt(std::string_view& s, int& out, size_t maxDigits) {
  size_t n = 0;
  out = 0;
  while (n < s.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(s[n]))) {
    out = out * 10 + (s[n] - '0');
    ++n;
  }
  if (n == 0) return false;
  s.remove_prefix(n);
  return true;
}

bool readChar(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

bool validDate(int y, int m, int d) {
  if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

// A time of day "H:MM[:SS][ AM|PM]", the whole of the text.
bool parseTime(std::string_view s, int& hh, int& mm, int& ss) {
  hh = mm = ss = 0;
  if (!readInt(s, hh, 2) || !readChar(s, ':') || !readInt(s, mm, 2)) return false;
  if (readChar(s, ':') && !readInt(s, ss, 2)) return false;
  s = trimmed(s);
  if (!s.empty()) {
    if (iequals(s, "PM")) {
      if (hh < 1 || hh > 12) return false;
      if (hh != 12) hh += 12;
    } else if (iequals(s, "AM")) {
      if (hh < 1 || hh > 12) return false;
      if (hh == 12) hh = 0;
    } else {
      return false;
    }
  }
  return hh <= 23 && mm <= 59 && ss <= 59;
}

// Text dates in the two unambiguous forms the add-in and its hosts exchange:
// "YYYY-MM-DD[ HH:MM[:SS]]" (also with "T") and "M/D/YYYY[ h:mm[:ss][ AM|PM]]", and a time
// alone (on 30 December 1899, as OLE keeps times without a date), so that every date the
// add-in writes as text reads back.
bool parseDate(std::string_view text, Date& out) {
  std::string_view s = trimmed(text);
  int y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0;
  std::string_view probe = s;
  int first = 0;
  if (!readInt(probe, first, 4)) return false;
  if (!probe.empty() && probe.front() == ':') {
    if (!parseTime(s, hh, mm, ss)) return false;
    out = Date::fromParts(1899, 12, 30, hh, mm, ss);
    return true;
  }
  if (!probe.empty() && probe.front() == '-') {
    s = probe;
    y = first;
    if (!readChar(s, '-') || !readInt(s, m, 2) || !readChar(s, '-') || !readInt(s, d, 2))
      return false;
  } else if (!probe.empty() && probe.front() == '/') {
    s = probe;
    m = first;
    if (!readChar(s, '/') || !readInt(s, d, 2) || !readChar(s, '/') || !readInt(s, y, 4))
      return false;
  } else {
    return false;
  }
  if (!validDate(y, m, d)) return false;
  if (!s.empty()) {
    if (s.front() != ' ' && s.front() != 'T') return false;
    s.remove_prefix(1);
    if (!parseTime(trimmed(s), hh, mm, ss)) return false;
  }
  out = Date::fromParts(y, m, d, hh, mm, ss);
  return true;
}

std::string formatDouble(double v) {
  if (std::isnan(v)) return "NaN";
  if (v == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  return buf;  // 15 significant digits, exponent form beyond them, as OLE writes doubles
}

std::string formatDate(Date d) {
  const Date::Parts p = d.parts();
  char buf[32];
  const bool hasTime = p.hour || p.minute || p.second;
  const bool hasDate = d.dateOnly().serial() != 0.0;
  if (hasDate && hasTime)
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
  else if (hasTime)
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  else
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
  return buf;
}

template <class Int>
Int roundToInt(double v) {
  if (std::isnan(v)) throw Error(ErrorCode::Overflow);
  const double r = std::nearbyint(v);  // banker's rounding, as CInt and CLng do
  if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
      r > static_cast<double>(std::numeric_limits<Int>::max()))
    throw Error(ErrorCode::Overflow);
  return static_cast<Int>(r);
}

Variant defaultValue(const Ref<Object>& object) {
  if (!object) throw Error(ErrorCode::ObjectNotSet);
  Args none;
  return object->invoke("", CallKind::Get, none);
}

}  // namespace

Variant::Variant() = default;
Variant::Variant(bool v) : v_(v) {}
Variant::Variant(std::int16_t v) : v_(v) {}
Variant::Variant(int v) : v_(static_cast<std::int32_t>(v)) {}
Variant::Variant(long v) {
  if (v < INT32_MIN || v > INT32_MAX) throw Error(ErrorCode::Overflow);
  v_ = static_cast<std::int32_t>(v);
}
Variant::Variant(double v) : v_(v) {}
Variant::Variant(Date v) : v_(v) {}
Variant::Variant(std::string v) : v_(std::move(v)) {}
Variant::Variant(const char* v) : v_(std::string(v ? v : "")) {}
Variant::Variant(std::string_view v) : v_(std::string(v)) {}
Variant::Variant(Ref<Object> v) : v_(std::move(v)) {}
Variant::Variant(Object* v) : v_(Ref<Object>(v)) {}
Variant::Variant(StringArray v) : v_(std::move(v)) {}
Variant::Variant(const Variant&) = default;
Variant::Variant(Variant&&) noexcept = default;
Variant& Variant::operator=(const Variant&) = default;
Variant& Variant::operator=(Variant&&) noexcept = default;
Variant::~Variant() = default;

Variant Variant::null() {
  Variant v;
  v.v_ = NullTag{};
  return v;
}

Variant Variant::missing() {
  Variant v;
  v.v_ = MissingTag{};
  return v;
}

Variant::Type Variant::type() const {
  return static_cast<Type>(v_.index());
}

bool Variant::isNumeric() const {
  switch (type()) {
    case Type::Empty:
    case Type::Bool:
    case Type::Int16:
    case Type::Int32:
    case Type::Double:
      return true;
    case Type::String: {
      double d = 0;
      return parseNumber(std::get<std::string>(v_), d);
    }
    default:
      return false;
  }
}

bool Variant::isDate() const {
  if (type() == Type::Date) return true;
  if (type() != Type::String) return false;
  Date d;
  return parseDate(std::get<std::string>(v_), d);
}

bool Variant::toBool() const {
  switch (type()) {
    case Type::Empty:
      return false;
    case Type::Null:
      throw Error(ErrorCode::InvalidUseOfNull);
    case Type::Bool:
      return std::get<bool>(v_);
    case Type::Int16:
      return std::get<std::int16_t>(v_) != 0;
    case Type::Int32:
      return std::get<std::int32_t>(v_) != 0;
    case Type::Double:
      return std::get<double>(v_) != 0.0;
    case Type::Date:
      return std::get<Date>(v_).serial() != 0.0;
    case Type::String: {
      const std::string& s = std::get<std::string>(v_);
      if (iequals(trimmed(s), "True")) return true;
      if (iequals(trimmed(s), "False")) return false;
      double d = 0;
      if (parseNumber(s, d)) return d != 0.0;
      mismatch();
    }
    case Type::Object:
      return defaultValue(std::get<Ref<Object>>(v_)).toBool();
    default:
      mismatch();
  }
}

double Variant::toDouble() const {
  switch (type()) {
    case Type::Empty:
      return 0.0;
    case Type::Null:
      throw Error(ErrorCode::InvalidUseOfNull);
    case Type::Bool:
      return std::get<bool>(v_) ? -1.0 : 0.0;
    case Type::Int16:
      return std::get<std::int16_t>(v_);
    case Type::Int32:
      return std::get<std::int32_t>(v_);
    case Type::Double:
      return std::get<double>(v_);
    case Type::Date:
      return std::get<Date>(v_).serial();
    case Type::String: {
      double d = 0;
      if (parseNumber(std::get<std::string>(v_), d)) return d;
      mismatch();
    }
    case Type::Object:
      return defaultValue(std::get<Ref<Object>>(v_)).toDouble();
    default:
      mismatch();
  }
}

std::int16_t Variant::toInt16() const {
  switch (type()) {
    case Type::Int16:
      return std::get<std::int16_t>(v_);
    case Type::Bool:
      return std::get<bool>(v_) ? -1 : 0;
    default:
      return roundToInt<std::int16_t>(toDouble());
  }
}

std::int32_t Variant::toInt32() const {
  switch (type()) {
    case Type::Int32:
      return std::get<std::int32_t>(v_);
    case Type::Int16:
      return std::get<std::int16_t>(v_);
    case Type::Bool:
      return std::get<bool>(v_) ? -1 : 0;
    default:
      return roundToInt<std::int32_t>(toDouble());
  }
}

Date Variant::toDate() const {
  switch (type()) {
    case Type::Date:
      return std::get<Date>(v_);
    case Type::String: {
      Date d;
      if (parseDate(std::get<std::string>(v_), d)) return d;
      double n = 0;
      if (parseNumber(std::get<std::string>(v_), n)) return Date(n);
      mismatch();
    }
    case Type::Object:
      return defaultValue(std::get<Ref<Object>>(v_)).toDate();
    default:
      return Date(toDouble());
  }
}

std::string Variant::toString() && {
  if (type() == Type::String) return std::move(std::get<std::string>(v_));
  return std::as_const(*this).toString();
}

std::string Variant::toString() const& {
  switch (type()) {
    case Type::Empty:
      return {};
    case Type::Null:
      throw Error(ErrorCode::InvalidUseOfNull);
    case Type::Bool:
      return std::get<bool>(v_) ? "True" : "False";
    case Type::Int16:
      return std::to_string(std::get<std::int16_t>(v_));
    case Type::Int32:
      return std::to_string(std::get<std::int32_t>(v_));
    case Type::Double:
      return formatDouble(std::get<double>(v_));
    case Type::Date:
      return formatDate(std::get<Date>(v_));
    case Type::String:
      return std::get<std::string>(v_);
    case Type::Object:
      return defaultValue(std::get<Ref<Object>>(v_)).toString();
    default:
      mismatch();
  }
}

Ref<Object> Variant::toObject() const {
  if (type() == Type::Object) return std::get<Ref<Object>>(v_);
  if (type() == Type::Empty) return nullptr;
  mismatch();
}

const StringArray& Variant::toStringArray() const {
  if (type() != Type::StringArray) mismatch();
  return std::get<StringArray>(v_);
}

const std::string& Variant::asString() const {
  if (type() != Type::String) mismatch();
  return std::get<std::string>(v_);
}

bool variantEquals(const Variant& a, const Variant& b) {
  using T = Variant::Type;
  if (a.isObject()) return variantEquals(defaultValue(a.toObject()), b);
  if (b.isObject()) return variantEquals(a, defaultValue(b.toObject()));
  if (a.isNull() || b.isNull()) return false;
  if (a.type() == T::String && b.type() == T::String) return a.asString() == b.asString();
  if (a.type() == T::String || b.type() == T::String) {
    const Variant& text = a.type() == T::String ? a : b;
    const Variant& other = a.type() == T::String ? b : a;
    if (other.isEmpty()) return text.asString().empty();
    if (!text.isNumeric()) {
      if (other.type() == T::Date && text.isDate()) return text.toDate() == other.toDate();
      return false;
    }
  }
  return a.toDouble() == b.toDouble();
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.type() != b.type()) return false;
  if (a.isObject()) {
    const Ref<Object> x = a.toObject(), y = b.toObject();
    if (!x || !y) return !x && !y;
    return x->identity() == y->identity();
  }
  return a.v_ == b.v_;
}

const char* typeName(Variant::Type t) {
  switch (t) {
    case Variant::Type::Empty:
      return "Empty";
    case Variant::Type::Null:
      return "Null";
    case Variant::Type::Bool:
      return "Boolean";
    case Variant::Type::Int16:
      return "Integer";
    case Variant::Type::Int32:
      return "Long";
    case Variant::Type::Double:
      return "Double";
    case Variant::Type::Date:
      return "Date";
    case Variant::Type::String:
      return "String";
    case Variant::Type::Object:
      return "Object";
    case Variant::Type::StringArray:
      return "String()";
    case Variant::Type::Missing:
      return "Error";
  }
  return "Unknown";
}

}  // namespace qh
