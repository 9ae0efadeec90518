#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace qh::sim::xls {

// What the simulated Excel takes over from a template workbook: sheet names and order, the
// constant cells, column widths and hidden columns, and which sheet is active. Rows and
// columns count from 1, as Excel's object model does.
struct TemplateCell {
  std::uint32_t row = 1;
  std::uint32_t column = 1;
  std::variant<double, std::string> value;
};

struct TemplateColumns {
  std::uint32_t first = 1;
  std::uint32_t last = 1;
  double width = 0;  // in characters of the default font; 0 when the file gives none
  bool hidden = false;
};

struct TemplateSheet {
  std::string name;
  bool visible = true;
  std::vector<TemplateCell> cells;
  std::vector<TemplateColumns> columns;
};

struct TemplateBook {
  std::vector<TemplateSheet> sheets;  // worksheets only, in tab order
  std::size_t activeSheet = 0;        // index into sheets
};

// A file that is not a readable Excel 97-2003 workbook.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qh::sim::xls
