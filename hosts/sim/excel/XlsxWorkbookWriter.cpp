#include "hosts/sim/excel/XlsxWorkbookWriter.h"

#include <xlsxwriter.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "hosts/sim/excel/CellStore.h"
#include "hosts/sim/excel/ColumnSettings.h"

namespace qh::sim {
namespace {

std::uint8_t chartTypeOf(int excelType) {
  switch (excelType) {
    case 57:
      return LXW_CHART_BAR;  // xlBarClustered
    case 4:
      return LXW_CHART_LINE;  // xlLine
    case 5:
      return LXW_CHART_PIE;  // xlPie
    case 52:
      return LXW_CHART_COLUMN_STACKED;
    default:
      return LXW_CHART_COLUMN;  // xlColumnClustered, Excel's default
  }
}

// One libxlsxwriter workbook for the length of one write; closing it writes the file.
class XlsxFile {
 public:
  explicit XlsxFile(const std::filesystem::path& path)
      : book_(workbook_new(path.string().c_str())) {
    if (!book_) throw std::runtime_error("cannot create " + path.string());
    dateTime_ = workbook_add_format(book_);
    format_set_num_format(dateTime_, "m/d/yyyy h:mm");
    date_ = workbook_add_format(book_);
    format_set_num_format(date_, "m/d/yyyy");
  }
  ~XlsxFile() {
    if (book_) workbook_close(book_);
  }

  void addWorksheet(const SheetSnapshot& sheet, bool active) {
    lxw_worksheet* ws = workbook_add_worksheet(book_, sheet.name.c_str());
    if (!ws) throw std::runtime_error("cannot add worksheet " + sheet.name);
    if (active) worksheet_activate(ws);
    for (const auto& [column, settings] : sheet.columns->columns()) {
      lxw_row_col_options options = {};
      options.hidden = settings.hidden;
      const auto c = static_cast<lxw_col_t>(column - 1);
      check(worksheet_set_column_opt(
          ws, c, c, settings.width > 0 ? settings.width : LXW_DEF_COL_WIDTH, nullptr, &options));
    }
    sheet.cells->forEach(
        [&](int row, int column, const CellValue& v) { writeCell(ws, row, column, v); });
  }

  // A chart without data still needs a series in the file format: an empty chart plots the
  // first cell of a worksheet, which Excel shows as an empty chart.
  void addChartSheet(const SheetSnapshot& sheet, bool active, const std::string& anyWorksheet) {
    lxw_chartsheet* cs = workbook_add_chartsheet(book_, sheet.name.c_str());
    if (!cs) throw std::runtime_error("cannot add chart sheet " + sheet.name);
    if (active) chartsheet_activate(cs);
    lxw_chart* chart = workbook_add_chart(book_, chartTypeOf(sheet.chartType));
    for (const ChartSeriesSnapshot& s : sheet.series) {
      lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
      const CellArea& v = s.values;
      chart_series_set_values(series, s.sheet.c_str(), v.top - 1, v.left - 1, v.bottom - 1,
                              v.right - 1);
      if (s.hasCategories) {
        const CellArea& c = s.categories;
        chart_series_set_categories(series, s.sheet.c_str(), c.top - 1, c.left - 1, c.bottom - 1,
                                    c.right - 1);
      }
      if (!s.name.empty()) chart_series_set_name(series, s.name.c_str());
    }
    if (sheet.series.empty() && !anyWorksheet.empty())
      chart_series_set_values(chart_add_series(chart, nullptr, nullptr), anyWorksheet.c_str(), 0, 0,
                              0, 0);
    check(chartsheet_set_chart(cs, chart));
  }

  void close() {
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;
    check(error);
    if (!firstError_.empty()) throw std::runtime_error(firstError_);
  }

 private:
  void writeCell(lxw_worksheet* ws, int row, int column, const CellValue& v) {
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    switch (v.kind) {
      case CellValue::Kind::Number:
        check(worksheet_write_number(ws, r, c, v.number, nullptr));
        break;
      case CellValue::Kind::Text:
        check(worksheet_write_string(ws, r, c, v.text.c_str(), nullptr));
        break;
      case CellValue::Kind::Formula:
        check(worksheet_write_formula(ws, r, c, v.text.c_str(), nullptr));
        break;
      case CellValue::Kind::Boolean:
        check(worksheet_write_boolean(ws, r, c, v.number != 0, nullptr));
        break;
      case CellValue::Kind::Date: {
        lxw_format* format = v.number == std::floor(v.number) ? date_ : dateTime_;
        check(worksheet_write_number(ws, r, c, v.number, format));
        break;
      }
      case CellValue::Kind::Empty:
        break;
    }
  }

  void check(lxw_error error) {
    if (error != LXW_NO_ERROR && firstError_.empty()) firstError_ = lxw_strerror(error);
  }

  lxw_workbook* book_;
  lxw_format* dateTime_ = nullptr;
  lxw_format* date_ = nullptr;
  std::string firstError_;
};

}  // namespace

void XlsxWorkbookWriter::write(const WorkbookSnapshot& workbook,
                               const std::filesystem::path& path) {
  XlsxFile file(path);
  std::string anyWorksheet;
  for (const SheetSnapshot& sheet : workbook.sheets)
    if (sheet.kind == SheetSnapshot::Kind::Worksheet && anyWorksheet.empty())
      anyWorksheet = sheet.name;
  for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
    const SheetSnapshot& sheet = workbook.sheets[i];
    const bool active = i == workbook.activeSheet;
    if (sheet.kind == SheetSnapshot::Kind::Worksheet)
      file.addWorksheet(sheet, active);
    else
      file.addChartSheet(sheet, active, anyWorksheet);
  }
  file.close();
}

std::unique_ptr<WorkbookFileWriter> makeDefaultWorkbookWriter() {
  return std::make_unique<XlsxWorkbookWriter>();
}

}  // namespace qh::sim
