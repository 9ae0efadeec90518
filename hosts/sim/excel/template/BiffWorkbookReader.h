#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hosts/sim/excel/template/BiffRecordCursor.h"
#include "hosts/sim/excel/template/BiffStyleTable.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

// Reads the "Workbook" stream of an Excel 97-2003 file (BIFF8) into a TemplateBook. Of the
// globals it interprets BOUNDSHEET, WINDOW1 (active tab), SST (with CONTINUE), the styles
// (FONT, FORMAT, XF, PALETTE) and the built-in names for repeated print titles (NAME); each
// worksheet is read by BiffSheetReader. Everything else is skipped. A stream that is not
// BIFF8 raises FormatError.
class BiffWorkbookReader {
 public:
  explicit BiffWorkbookReader(std::span<const std::uint8_t> stream);

  TemplateBook read();

 private:
  struct SheetEntry {
    std::uint32_t offset = 0;
    std::uint8_t visibility = 0;
    std::uint8_t kind = 0;
    std::string name;
  };
  // Rows or columns a sheet repeats on every printed page, by tab (from 0).
  struct PrintTitles {
    std::size_t tab = 0;
    SheetSettings titles;  // only the title rows and columns are set
  };

  void readGlobals();
  void readSharedStrings(const BiffRecord& sst, BiffRecordCursor& cursor);
  void readName(const BiffRecord& record);

  std::span<const std::uint8_t> stream_;
  std::vector<SheetEntry> entries_;
  std::vector<std::string> strings_;
  BiffStyleTable styles_;
  std::vector<PrintTitles> printTitles_;
  std::size_t activeTab_ = 0;
};

}  // namespace qh::sim::xls
