// The shipped template, read back from where it is installed beside the add-in's module,
// and the ways a template file can fail to load.
#include "hosts/sim/excel/template/TemplateFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "tests/simexcel/TempFolder.h"

namespace qh::sim::xls {
namespace {

std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> texts(const TemplateSheet& sheet) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> out;
  for (const TemplateCell& cell : sheet.cells)
    if (const auto* text = std::get_if<std::string>(&cell.value))
      out[{cell.row, cell.column}] = *text;
  return out;
}

bool columnHidden(const TemplateSheet& sheet, std::uint32_t column) {
  for (const TemplateColumns& c : sheet.columns)
    if (column >= c.first && column <= c.last) return c.hidden;
  return false;
}

TEST(TemplateFile, ShippedTemplateHasTheDataSheetTheExportNeeds) {
  const TemplateBook book = loadTemplateFile(QH_TEMPLATE_PATH);
  ASSERT_FALSE(book.sheets.empty());
  const TemplateSheet& sheet = book.sheets.at(book.activeSheet);
  EXPECT_EQ(sheet.name, "Quillhour");

  const auto cells = texts(sheet);
  EXPECT_EQ(cells.at({3, 3}), "Date");
  EXPECT_FALSE(cells.at({3, 4}).empty());
  EXPECT_EQ(cells.at({3, 5}), "Time");
  EXPECT_EQ(cells.at({3, 6}), "Tag");
  EXPECT_FALSE(cells.at({3, 7}).empty());
  EXPECT_TRUE(cells.count({1, 1}) || cells.count({2, 1}));               // a title in rows 1 and 2
  for (const auto& [at, text] : cells) EXPECT_LE(at.first, 3u) << text;  // nothing below row 3

  EXPECT_TRUE(columnHidden(sheet, 7));
  for (std::uint32_t column = 1; column <= 6; ++column) EXPECT_FALSE(columnHidden(sheet, column));
}

// What the template gives the report to look like: a large bold title, bold headings, the
// start with its weekday, date and time, hours with two decimals, the heading rows frozen,
// and a landscape page one page wide with the headings on every page.
TEST(TemplateFile, ShippedTemplateGivesTheReportItsLook) {
  const TemplateBook book = loadTemplateFile(QH_TEMPLATE_PATH);
  const TemplateSheet& sheet = book.sheets.at(book.activeSheet);
  auto cellStyle = [&](std::uint32_t row, std::uint32_t column) -> const CellStyle& {
    for (const TemplateCell& cell : sheet.cells)
      if (cell.row == row && cell.column == column) return book.styles.at(cell.style);
    return book.styles.at(book.defaultStyle);
  };
  auto columnStyle = [&](std::uint32_t column) -> const CellStyle& {
    for (const TemplateColumns& c : sheet.columns)
      if (column >= c.first && column <= c.last) return book.styles.at(c.style);
    return book.styles.at(book.defaultStyle);
  };
  EXPECT_GT(cellStyle(1, 1).font.size, book.styles.at(book.defaultStyle).font.size);
  EXPECT_TRUE(cellStyle(1, 1).font.bold);
  for (std::uint32_t column = 3; column <= 7; ++column)
    EXPECT_TRUE(cellStyle(3, column).font.bold) << column;
  const std::string dateFormat = columnStyle(3).numberFormat;
  EXPECT_NE(dateFormat.find("ddd"), std::string::npos) << dateFormat;  // the weekday
  EXPECT_NE(dateFormat.find("yyyy"), std::string::npos) << dateFormat;
  EXPECT_NE(dateFormat.find("hh:mm"), std::string::npos) << dateFormat;
  EXPECT_EQ(columnStyle(5).numberFormat, "0.00");
  EXPECT_EQ(columnStyle(4).numberFormat, "General");
  EXPECT_EQ(columnStyle(6).numberFormat, "General");

  const SheetSettings& s = sheet.settings;
  EXPECT_EQ(s.frozenRows, 3);
  EXPECT_EQ(s.frozenColumns, 0);
  EXPECT_TRUE(s.landscape);
  EXPECT_TRUE(s.fitToPages);
  EXPECT_EQ(s.fitWidth, 1);
  EXPECT_EQ(s.fitHeight, 0);
  EXPECT_EQ(s.titleRowFirst, 3);
  EXPECT_EQ(s.titleRowLast, 3);
}

TEST(TemplateFile, FailuresSayWhyTheFileCouldNotBeRead) {
  TempFolder folder;
  auto reasonFor = [](const std::filesystem::path& path) {
    try {
      loadTemplateFile(path);
    } catch (const TemplateFileError& e) {
      return e.reason();
    }
    ADD_FAILURE() << "loaded " << path;
    return TemplateFileError::Reason::Missing;
  };
  using Reason = TemplateFileError::Reason;
  EXPECT_EQ(reasonFor(folder.path() / "absent.xlt"), Reason::Missing);
  EXPECT_EQ(reasonFor(folder.path()), Reason::Inaccessible);
  EXPECT_EQ(reasonFor(folder.write("text.xlt", "Date;Subject;Time;Tag\n")), Reason::BadFormat);

  // A real compound file cut short: its sectors end before its chains do.
  std::ifstream in(QH_TEMPLATE_PATH, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GT(bytes.size(), 2048u);
  EXPECT_EQ(reasonFor(folder.write("cut.xlt", bytes.substr(0, 1536))), Reason::BadFormat);
}

}  // namespace
}  // namespace qh::sim::xls
