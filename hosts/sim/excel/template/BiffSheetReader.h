#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hosts/sim/excel/template/BiffRecordCursor.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

// Reads one worksheet substream of a BIFF8 workbook stream: its cells (LABELSST, LABEL,
// NUMBER, RK, MULRK, BLANK, MULBLANK) with their styles, columns (COLINFO) and rows (ROW,
// DEFAULTROWHEIGHT), its view (WINDOW2, PANE, SCL, SELECTION) and its page setup (SETUP,
// WSBOOL, the margins, HEADER, FOOTER, HCENTER, VCENTER, PRINTGRIDLINES, PRINTHEADERS).
// Embedded chart substreams are skipped whole.
class BiffSheetReader {
 public:
  BiffSheetReader(std::span<const std::uint8_t> stream, const std::vector<std::string>& strings)
      : stream_(stream), strings_(strings) {}

  // The worksheet whose BOF record starts at `offset`.
  TemplateSheet read(std::uint32_t offset) const;

 private:
  struct Reading {
    TemplateSheet sheet;
    bool frozen = false;
    int paneX = 0, paneY = 0;
    std::uint8_t activePane = 3;           // without panes, the only pane is number 3
    std::uint16_t defaultRowHeight = 255;  // twips
  };

  void take(const BiffRecord& record, Reading& r) const;
  void takeCell(const BiffRecord& record, TemplateSheet& sheet) const;
  void takeView(const BiffRecord& record, Reading& r) const;
  void takePageSetup(const BiffRecord& record, SheetSettings& settings) const;
  const std::string& sharedString(std::uint32_t index) const;

  std::span<const std::uint8_t> stream_;
  const std::vector<std::string>& strings_;
};

}  // namespace qh::sim::xls
