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
