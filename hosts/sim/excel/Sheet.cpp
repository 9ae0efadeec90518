#include "hosts/sim/excel/Sheet.h"

#include <cctype>

#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/Workbook.h"

namespace qh::sim {

bool validSheetName(const std::string& name) {
  if (name.empty() || name.size() > 31) return false;
  if (name.front() == '\'' || name.back() == '\'') return false;
  return name.find_first_of(":\\/?*[]") == std::string::npos;
}

bool sameSheetName(const std::string& a, const std::string& b) {
  return memberNameEquals(a, b);
}

Workbook& Sheet::requireWorkbook() const {
  if (!workbook_) throw Error(ErrorCode::ObjectNotSet);
  return *workbook_;
}

void Sheet::rename(const std::string& name) {
  Workbook& book = requireWorkbook();
  if (!validSheetName(name)) throw excelError("You typed an invalid name for a sheet or chart.");
  Sheet* other = book.findSheet(name);
  if (other && other != this) throw excelError("That name is already taken. Try a different one.");
  name_ = name;
}

Variant Sheet::putName(Args& args) {
  rename(putValue(args).toString());
  return {};
}

Variant Sheet::index() {
  return static_cast<int>(requireWorkbook().indexOf(*this) + 1);
}

Variant Sheet::move(Args& args) {
  Workbook& book = requireWorkbook();
  // Without Before or After, Excel moves the sheet into a new workbook; the simulation has
  // no use for that.
  if (!argPresent(args, 0) && !argPresent(args, 1)) throw methodFailed("Move", className());
  book.moveSheet(*this, book.insertionIndex(argAt(args, 0), argAt(args, 1), "Move", className()));
  return {};
}

Variant Sheet::activate() {
  requireWorkbook().activate(*this);
  return {};
}

Variant Sheet::parent() {
  return Ref<Object>(&requireWorkbook());
}

}  // namespace qh::sim
