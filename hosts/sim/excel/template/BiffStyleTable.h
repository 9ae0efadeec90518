#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hosts/sim/excel/CellStyle.h"
#include "hosts/sim/excel/template/BiffRecordCursor.h"

namespace qh::sim::xls {

// The cell styles of a BIFF8 workbook, gathered from the globals' FONT, FORMAT, XF and PALETTE
// records and resolved into CellStyles once all of them were read (the palette comes after the
// records that use it).
class BiffStyleTable {
 public:
  // Takes the record if it is one of the four; answers whether it was.
  bool take(const BiffRecord& record);
  // One style per XF record, in the file's order (the order cells refer to them by).
  std::vector<CellStyle> styles() const;

 private:
  struct Font {
    CellFont font;
    std::uint16_t color = 0x7FFF;
  };
  using Xf = std::array<std::uint8_t, 20>;

  void readFont(const BiffRecord& record);
  CellStyle resolve(const Xf& xf) const;
  StyleColor color(std::uint16_t index) const;
  std::string numberFormat(std::uint16_t id) const;

  std::vector<Font> fonts_;
  std::map<std::uint16_t, std::string> formats_;
  std::vector<Xf> xfs_;
  std::vector<std::uint32_t> palette_;  // colours 8 to 63, when the file gives its own
};

}  // namespace qh::sim::xls
