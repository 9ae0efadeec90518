#pragma once

#include <string>

#include "automation/Variant.h"

namespace qh::sim {

// The content of one worksheet cell. A value assigned through Range.Value is read the way
// Excel reads what a user types: text beginning with "=" is a formula, a leading "'" keeps
// the rest as text (the apostrophe is not part of the value), and text that reads as a
// plain number becomes that number.
struct CellValue {
  enum class Kind { Empty, Number, Text, Boolean, Date, Formula };

  Kind kind = Kind::Empty;
  double number = 0;         // Number, Date (OLE serial), Boolean (1 or 0)
  std::string text;          // Text, Formula (with its "=")
  bool quotePrefix = false;  // Text entered with a leading "'"

  static CellValue ofNumber(double v);
  static CellValue ofText(std::string v);
  static CellValue ofBoolean(bool v);
  static CellValue ofDate(double serial);
  static CellValue ofFormula(std::string formula);

  // What Excel stores when v is assigned to Range.Value.
  static CellValue fromAssigned(const Variant& v);
  // What Range.Value answers. The simulated Excel has no calculation engine, so a formula
  // cell answers its formula text.
  Variant toVariant() const;
  // The text a cell shows, as used for pivot item names.
  std::string displayText() const;

  bool isEmpty() const { return kind == Kind::Empty; }
  bool isNumeric() const { return kind == Kind::Number || kind == Kind::Date; }

  friend bool operator==(const CellValue&, const CellValue&) = default;
};

}  // namespace qh::sim
