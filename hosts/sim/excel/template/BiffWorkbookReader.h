#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hosts/sim/excel/template/BiffRecordCursor.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

// Reads the "Workbook" stream of an Excel 97-2003 file (BIFF8) into a TemplateBook. Only the
// records a template needs are interpreted: the globals' BOUNDSHEET, WINDOW1 (active tab) and
// SST (with CONTINUE); in each worksheet LABELSST, LABEL, NUMBER, RK, MULRK and COLINFO.
// Everything else is skipped. A stream that is not BIFF8 raises FormatError.
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

  void readGlobals();
  void readSharedStrings(const BiffRecord& sst, BiffRecordCursor& cursor);
  TemplateSheet readWorksheet(const SheetEntry& entry) const;
  void readCell(const BiffRecord& record, TemplateSheet& sheet) const;
  const std::string& sharedString(std::uint32_t index) const;

  std::span<const std::uint8_t> stream_;
  std::vector<SheetEntry> entries_;
  std::vector<std::string> strings_;
  std::size_t activeTab_ = 0;
};

}  // namespace qh::sim::xls
