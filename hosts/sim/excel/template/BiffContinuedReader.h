#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qh::sim::xls {

// Reads a record whose data goes on in CONTINUE records (the shared string table) as one
// sequence of bytes, except for the one rule that makes this necessary: when the characters
// of a string run into the next CONTINUE record, that record starts with a fresh option
// byte telling whether the rest of the characters are one or two bytes wide. Reading past
// the last segment raises FormatError.
class BiffContinuedReader {
 public:
  explicit BiffContinuedReader(std::vector<std::span<const std::uint8_t>> segments);

  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  void skip(std::size_t count);

  // An XLUnicodeRichExtendedString (count, options, optional run and phonetic blocks),
  // answered as UTF-8 without its formatting runs and phonetic data.
  std::string richString();

 private:
  bool segmentExhausted() const;
  void enterNextSegment();

  std::vector<std::span<const std::uint8_t>> segments_;
  std::size_t segment_ = 0;
  std::size_t position_ = 0;
};

// UTF-16 code units as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(const std::u16string& units);
// One-byte ("compressed") BIFF characters, which are the low bytes of UTF-16 units.
std::string latin1ToUtf8(std::span<const std::uint8_t> bytes);

}  // namespace qh::sim::xls
