#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qh::sim::xls {

// The BIFF8 record types the template reader interprets.
enum RecordType : std::uint16_t {
  kBof = 0x0809,
  kEof = 0x000A,
  kBoundSheet = 0x0085,
  kWindow1 = 0x003D,
  kSst = 0x00FC,
  kContinue = 0x003C,
  kName = 0x0018,
  kFont = 0x0031,
  kFormat = 0x041E,
  kXf = 0x00E0,
  kPalette = 0x0092,
  kLabelSst = 0x00FD,
  kLabel = 0x0204,
  kNumber = 0x0203,
  kRk = 0x027E,
  kMulRk = 0x00BD,
  kBlank = 0x0201,
  kMulBlank = 0x00BE,
  kColInfo = 0x007D,
  kRow = 0x0208,
  kDefaultRowHeight = 0x0225,
  kWindow2 = 0x023E,
  kPane = 0x0041,
  kScl = 0x00A0,
  kSelection = 0x001D,
  kSetup = 0x00A1,
  kWsBool = 0x0081,
  kHeader = 0x0014,
  kFooter = 0x0015,
  kHCenter = 0x0083,
  kVCenter = 0x0084,
  kLeftMargin = 0x0026,
  kRightMargin = 0x0027,
  kTopMargin = 0x0028,
  kBottomMargin = 0x0029,
  kPrintGridlines = 0x002B,
  kPrintHeaders = 0x002A,
};

// Raises FormatError with `what` unless ok.
void require(bool ok, const char* what);

// An XLUnicodeString (two-byte count) or ShortXLUnicodeString (one-byte count) inside one
// record, starting at `at`, as UTF-8.
std::string recordString(std::span<const std::uint8_t> data, std::size_t at, bool shortCount);

// The characters of a string whose count was given elsewhere: an option byte, then `count`
// characters of one or two bytes.
std::string recordChars(std::span<const std::uint8_t> data, std::size_t at, std::size_t count);

}  // namespace qh::sim::xls
