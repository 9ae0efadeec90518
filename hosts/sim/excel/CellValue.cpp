#include "hosts/sim/excel/CellValue.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "automation/Object.h"
#include "hosts/sim/excel/ExcelErrors.h"

namespace qh::sim {
namespace {

// Plain decimal numbers as a user types them ("42", "-1.5", "2.5E3"); anything else stays text.
bool readsAsNumber(const std::string& s, double& out) {
  if (s.empty() || std::isspace(static_cast<unsigned char>(s.front())) ||
      std::isspace(static_cast<unsigned char>(s.back())))
    return false;
  const char* begin = s.data() + (s.front() == '+' ? 1 : 0);
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(begin, end, out, std::chars_format::general);
  return ec == std::errc() && ptr == end && std::isfinite(out);
}

std::string formatNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  return buf;
}

// Excel's limit on the text of one cell, counted in UTF-16 units as Excel counts.
constexpr std::size_t kMaxCellText = 32767;

std::size_t utf16Units(std::string_view utf8) {
  std::size_t units = 0;
  for (const unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // a character begins
    if (c >= 0xF0) ++units;           // beyond the basic plane: a surrogate pair
  }
  return units;
}

// Longer text is refused, as Excel refuses it; the cell keeps what it held.
CellValue checkedText(CellValue text) {
  if (utf16Units(text.text) > kMaxCellText) throw objectDefinedError();
  return text;
}

}  // namespace

CellValue CellValue::ofNumber(double v) {
  return {Kind::Number, v, {}, false};
}
CellValue CellValue::ofText(std::string v) {
  return {Kind::Text, 0, std::move(v), false};
}
CellValue CellValue::ofBoolean(bool v) {
  return {Kind::Boolean, v ? 1.0 : 0.0, {}, false};
}
CellValue CellValue::ofDate(double serial) {
  return {Kind::Date, serial, {}, false};
}
CellValue CellValue::ofFormula(std::string f) {
  return {Kind::Formula, 0, std::move(f), false};
}

CellValue CellValue::fromAssigned(const Variant& v) {
  using T = Variant::Type;
  switch (v.type()) {
    case T::Empty:
    case T::Null:
      return {};
    case T::Bool:
      return ofBoolean(v.toBool());
    case T::Int16:
    case T::Int32:
    case T::Double:
      return ofNumber(v.toDouble());
    case T::Date:
      return ofDate(v.toDate().serial());
    case T::Object: {
      Args none;
      const Ref<Object> object = v.toObject();
      if (!object) return {};
      return fromAssigned(object->invoke("", CallKind::Get, none));
    }
    case T::String:
      break;
    default:
      throw Error(ErrorCode::TypeMismatch);
  }
  const std::string& s = v.asString();
  if (s.empty()) return {};
  if (s.front() == '\'') {
    CellValue text = checkedText(ofText(s.substr(1)));
    text.quotePrefix = true;
    return text;
  }
  if (s.size() > 1 && s.front() == '=') return ofFormula(s);
  double number = 0;
  if (readsAsNumber(s, number)) return ofNumber(number);
  return checkedText(ofText(s));
}

Variant CellValue::toVariant() const {
  switch (kind) {
    case Kind::Empty:
      return {};
    case Kind::Number:
      return number;
    case Kind::Text:
    case Kind::Formula:
      return text;
    case Kind::Boolean:
      return number != 0;
    case Kind::Date:
      return Date(number);
  }
  return {};
}

std::string CellValue::displayText() const {
  switch (kind) {
    case Kind::Empty:
      return {};
    case Kind::Number:
      return formatNumber(number);
    case Kind::Text:
    case Kind::Formula:
      return text;
    case Kind::Boolean:
      return number != 0 ? "TRUE" : "FALSE";
    case Kind::Date:
      return Variant(Date(number)).toString();
  }
  return {};
}

}  // namespace qh::sim
