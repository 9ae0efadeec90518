#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "hosts/sim/excel/CellStyle.h"
#include "hosts/sim/excel/SheetSettings.h"

namespace qh::sim::xls {

// What the simulated Excel takes over from a template workbook: sheet names, order and
// visibility, the constant cells with their styles, column widths, hidden columns, column and
// row styles, how each sheet is shown and printed, and which sheet is active. Rows and columns
// count from 1, as Excel's object model does. Styles are kept by the file's own numbers (its
// XF indices), which index TemplateBook::styles.
using TemplateValue = std::variant<double, std::string, std::monostate>;  // monostate: blank

struct TemplateCell {
  std::uint32_t row = 1;
  std::uint32_t column = 1;
  TemplateValue value;
  std::uint32_t style = 0;
};

struct TemplateColumns {
  std::uint32_t first = 1;
  std::uint32_t last = 1;
  double width = 0;  // in characters of the default font; 0 when the file gives none
  bool hidden = false;
  std::uint32_t style = 0;
};

struct TemplateRow {
  std::uint32_t row = 1;
  double height = 0;  // points; 0 unless the height was set by hand
  bool hidden = false;
  bool styled = false;  // whether `style` applies to the row's empty cells
  std::uint32_t style = 0;
};

struct TemplateSheet {
  std::string name;
  bool visible = true;
  std::vector<TemplateCell> cells;
  std::vector<TemplateColumns> columns;
  std::vector<TemplateRow> rows;
  SheetSettings settings;
  std::uint32_t activeRow = 1, activeColumn = 1;  // the selected cell
};

struct TemplateBook {
  std::vector<TemplateSheet> sheets;  // worksheets only, in tab order
  std::size_t activeSheet = 0;        // index into sheets
  std::vector<CellStyle> styles;      // by XF index
  std::uint32_t defaultStyle = 0;     // the style of cells the file gives none
};

// A file that is not a readable Excel 97-2003 workbook.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qh::sim::xls
