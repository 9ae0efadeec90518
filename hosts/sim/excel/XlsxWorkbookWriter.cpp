#include "hosts/sim/excel/XlsxWorkbookWriter.h"

#include <xlsxwriter.h>

#include <stdexcept>
#include <string>

#include "hosts/sim/excel/CellFormats.h"
#include "hosts/sim/excel/CellStore.h"
#include "hosts/sim/excel/ColumnSettings.h"
#include "hosts/sim/excel/XlsxPivotParts.h"
#include "hosts/sim/excel/XlsxStyles.h"
#include "hosts/sim/excel/XmlText.h"

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

// How the sheet is shown and printed. Page setup the library refuses (a header longer than
// it allows) is left out rather than failing the workbook.
void applySettings(lxw_worksheet* ws, const SheetSettings& s) {
  if (s.frozenRows > 0 || s.frozenColumns > 0)
    worksheet_freeze_panes(ws, static_cast<lxw_row_t>(s.frozenRows),
                           static_cast<lxw_col_t>(s.frozenColumns));
  if (s.zoom != 100) worksheet_set_zoom(ws, static_cast<uint16_t>(s.zoom));
  const uint8_t gridlines = (s.gridlines ? LXW_SHOW_SCREEN_GRIDLINES : LXW_HIDE_ALL_GRIDLINES) |
                            (s.printGridlines ? LXW_SHOW_PRINT_GRIDLINES : 0);
  if (gridlines != LXW_SHOW_SCREEN_GRIDLINES) worksheet_gridlines(ws, gridlines);
  if (s.landscape) worksheet_set_landscape(ws);
  if (s.paperSize > 0) worksheet_set_paper(ws, static_cast<uint8_t>(s.paperSize));
  if (s.fitToPages)
    worksheet_fit_to_pages(ws, static_cast<uint16_t>(s.fitWidth),
                           static_cast<uint16_t>(s.fitHeight));
  else if (s.scale != 100)
    worksheet_set_print_scale(ws, static_cast<uint16_t>(s.scale));
  worksheet_set_margins(ws, s.marginLeft, s.marginRight, s.marginTop, s.marginBottom);
  lxw_header_footer_options header = {};
  header.margin = s.marginHeader;
  lxw_header_footer_options footer = {};
  footer.margin = s.marginFooter;
  if (!s.header.empty())
    (void)worksheet_set_header_opt(ws, xml::validUtf8(s.header).c_str(), &header);
  if (!s.footer.empty())
    (void)worksheet_set_footer_opt(ws, xml::validUtf8(s.footer).c_str(), &footer);
  if (s.centerHorizontally) worksheet_center_horizontally(ws);
  if (s.centerVertically) worksheet_center_vertically(ws);
  if (s.printHeadings) worksheet_print_row_col_headers(ws);
  if (s.titleRowFirst > 0)
    (void)worksheet_repeat_rows(ws, static_cast<lxw_row_t>(s.titleRowFirst - 1),
                                static_cast<lxw_row_t>(s.titleRowLast - 1));
  if (s.titleColumnFirst > 0)
    (void)worksheet_repeat_columns(ws, static_cast<lxw_col_t>(s.titleColumnFirst - 1),
                                   static_cast<lxw_col_t>(s.titleColumnLast - 1));
}

// A worksheet's parts, with defaults for those a snapshot leaves out.
struct SheetParts {
  explicit SheetParts(const SheetSnapshot& s)
      : name(s.name),
        visible(s.visible),
        selection(s.selection),
        cells(s.cells ? *s.cells : kNoCells),
        columns(s.columns ? *s.columns : kNoColumns),
        formats(s.formats ? *s.formats : kNoFormats),
        settings(s.settings ? *s.settings : kNoSettings) {}

  static inline const CellStore kNoCells;
  static inline const ColumnSettings kNoColumns;
  static inline const CellFormats kNoFormats;
  static inline const SheetSettings kNoSettings;

  const std::string& name;
  bool visible;
  CellArea selection;
  const CellStore& cells;
  const ColumnSettings& columns;
  const CellFormats& formats;
  const SheetSettings& settings;
};

// One libxlsxwriter workbook for the length of one write; closing it writes the file.
class XlsxFile {
 public:
  XlsxFile(const std::filesystem::path& path, const std::vector<CellStyle>* styles)
      : book_(open(path)), styles_(book_, styles) {
    if (!book_) throw std::runtime_error("cannot create " + path.string());
  }
  static lxw_workbook* open(const std::filesystem::path& path) {
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    return workbook_new_opt(path.string().c_str(), &options);
  }
  ~XlsxFile() {
    if (book_) workbook_close(book_);
  }

  void addWorksheet(const SheetSnapshot& snapshot, bool active) {
    const SheetParts sheet(snapshot);
    lxw_worksheet* ws = workbook_add_worksheet(book_, sheet.name.c_str());
    if (!ws) throw std::runtime_error("cannot add worksheet " + sheet.name);
    if (active)
      worksheet_activate(ws);
    else if (!sheet.visible)
      worksheet_hide(ws);
    writeColumns(ws, sheet.columns);
    writeRowsInOrder(ws, sheet);
    applySettings(ws, sheet.settings);
    const auto row = static_cast<lxw_row_t>(sheet.selection.top - 1);
    const auto col = static_cast<lxw_col_t>(sheet.selection.left - 1);
    worksheet_set_selection(ws, row, col, row, col);
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
      if (!s.name.empty()) chart_series_set_name(series, xml::validUtf8(s.name).c_str());
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
  // Neighbouring columns of the same settings go out as one range.
  void writeColumns(lxw_worksheet* ws, const ColumnSettings& columns) {
    const auto& all = columns.columns();
    for (auto it = all.begin(); it != all.end();) {
      const auto [first, settings] = *it;
      int last = first;
      for (++it; it != all.end() && it->first == last + 1 && it->second.width == settings.width &&
                 it->second.hidden == settings.hidden && it->second.style == settings.style;
           ++it)
        last = it->first;
      lxw_row_col_options options = {};
      options.hidden = settings.hidden;
      check(worksheet_set_column_opt(ws, static_cast<lxw_col_t>(first - 1),
                                     static_cast<lxw_col_t>(last - 1),
                                     settings.width > 0 ? settings.width : LXW_DEF_COL_WIDTH,
                                     styles_.format(settings.style), &options));
    }
  }

  // The library keeps one row at a time and writes it out when the next one starts, so rows
  // go out in order: each row's settings first, then its cells left to right, the values
  // merged with the empty cells that have a style of their own (the template's styled
  // blanks). Rows of settings or blanks alone go out in their place among the others.
  void writeRowsInOrder(lxw_worksheet* ws, const SheetParts& sheet) {
    const auto& rows = sheet.formats.rows();
    const auto& blanks = sheet.formats.cellStyles();
    auto row = rows.begin();
    auto blank = blanks.begin();
    // Everything before (r, c): row settings of rows up to r, blanks before the cell.
    auto catchUp = [&](int r, int c) {
      while (true) {
        const bool rowNext = row != rows.end() && row->first <= r &&
                             (blank == blanks.end() || row->first <= blank->first.first);
        if (rowNext) {
          writeRow(ws, row->first, row->second);
          ++row;
        } else if (blank != blanks.end() &&
                   std::make_pair(blank->first.first, blank->first.second) < std::make_pair(r, c)) {
          if (sheet.cells.get(blank->first.first, blank->first.second).isEmpty())
            if (lxw_format* format = styles_.format(blank->second))
              check(worksheet_write_blank(ws, static_cast<lxw_row_t>(blank->first.first - 1),
                                          static_cast<lxw_col_t>(blank->first.second - 1), format));
          ++blank;
        } else {
          return;
        }
      }
    };
    sheet.cells.forEach([&](int r, int c, const CellValue& v) {
      catchUp(r, c);
      writeCell(ws, r, c, v, styles_.format(sheet.formats.styleAt(r, c, sheet.columns), v));
    });
    catchUp(CellArea::kMaxRow + 1, 1);
  }

  void writeRow(lxw_worksheet* ws, int row, const CellFormats::Row& settings) {
    lxw_row_col_options options = {};
    options.hidden = settings.hidden;
    check(worksheet_set_row_opt(ws, static_cast<lxw_row_t>(row - 1),
                                settings.height > 0 ? settings.height : LXW_DEF_ROW_HEIGHT,
                                settings.style >= 0 ? styles_.format(settings.style) : nullptr,
                                &options));
  }

  void writeCell(lxw_worksheet* ws, int row, int column, const CellValue& v, lxw_format* format) {
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    switch (v.kind) {
      case CellValue::Kind::Number:
      case CellValue::Kind::Date:
        check(worksheet_write_number(ws, r, c, v.number, format));
        break;
      case CellValue::Kind::Text:
        check(worksheet_write_string(ws, r, c, text(v.text), format));
        break;
      case CellValue::Kind::Formula:
        check(worksheet_write_formula(ws, r, c, text(v.text), format));
        break;
      case CellValue::Kind::Boolean:
        check(worksheet_write_boolean(ws, r, c, v.number != 0, format));
        break;
      case CellValue::Kind::Empty:
        break;
    }
  }

  // Text as the file needs it: the library writes bytes as it gets them, so bytes that are
  // not UTF-8 would make the whole part unreadable.
  const char* text(const std::string& value) {
    if (xml::isValidUtf8(value)) return value.c_str();
    repaired_ = xml::validUtf8(value);
    return repaired_.c_str();
  }

  void check(lxw_error error) {
    if (error != LXW_NO_ERROR && firstError_.empty()) firstError_ = lxw_strerror(error);
  }

  lxw_workbook* book_;
  XlsxStyles styles_;
  std::string repaired_;
  std::string firstError_;
};

bool hasPivotTables(const WorkbookSnapshot& workbook) {
  for (const SheetSnapshot& sheet : workbook.sheets)
    if (!sheet.pivotTables.empty()) return true;
  return false;
}

}  // namespace

void XlsxWorkbookWriter::write(const WorkbookSnapshot& workbook,
                               const std::filesystem::path& path) {
  {
    XlsxFile file(path, workbook.styles);
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
  if (hasPivotTables(workbook)) addPivotParts(path, workbook);
}

std::unique_ptr<WorkbookFileWriter> makeDefaultWorkbookWriter() {
  return std::make_unique<XlsxWorkbookWriter>();
}

}  // namespace qh::sim
