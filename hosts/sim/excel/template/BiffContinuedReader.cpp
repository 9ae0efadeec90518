#include "hosts/sim/excel/template/BiffContinuedReader.h"

#include <algorithm>

#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr std::uint8_t kHighByte = 0x01;
constexpr std::uint8_t kHasPhonetic = 0x04;
constexpr std::uint8_t kHasRuns = 0x08;

}  // namespace

std::string utf16ToUtf8(const std::u16string& units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      appendUtf8(out, 0xFFFD);
    } else {
      appendUtf8(out, u);
    }
  }
  return out;
}

std::string latin1ToUtf8(std::span<const std::uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::uint8_t b : bytes) appendUtf8(out, b);
  return out;
}

BiffContinuedReader::BiffContinuedReader(std::vector<std::span<const std::uint8_t>> segments)
    : segments_(std::move(segments)) {}

bool BiffContinuedReader::segmentExhausted() const {
  return segment_ >= segments_.size() || position_ >= segments_[segment_].size();
}

void BiffContinuedReader::enterNextSegment() {
  if (segment_ + 1 >= segments_.size()) throw FormatError("shared string table ends early");
  ++segment_;
  position_ = 0;
}

std::uint8_t BiffContinuedReader::u8() {
  while (segmentExhausted()) enterNextSegment();
  return segments_[segment_][position_++];
}

std::uint16_t BiffContinuedReader::u16() {
  const std::uint16_t lo = u8();
  return static_cast<std::uint16_t>(lo | (u8() << 8));
}

std::uint32_t BiffContinuedReader::u32() {
  const std::uint32_t lo = u16();
  return lo | (static_cast<std::uint32_t>(u16()) << 16);
}

void BiffContinuedReader::skip(std::size_t count) {
  while (count > 0) {
    while (segmentExhausted()) enterNextSegment();
    const std::size_t n = std::min(count, segments_[segment_].size() - position_);
    position_ += n;
    count -= n;
  }
}

std::string BiffContinuedReader::richString() {
  std::size_t remaining = u16();
  std::uint8_t options = u8();
  const std::size_t runs = (options & kHasRuns) ? u16() : 0;
  const std::size_t phonetic = (options & kHasPhonetic) ? u32() : 0;

  std::u16string units;
  units.reserve(remaining);
  bool wide = options & kHighByte;
  while (remaining > 0) {
    if (segmentExhausted()) {
      enterNextSegment();
      wide = segments_[segment_][position_++] & kHighByte;
      continue;
    }
    const std::span<const std::uint8_t> seg = segments_[segment_];
    const std::size_t width = wide ? 2 : 1;
    const std::size_t n = std::min(remaining, (seg.size() - position_) / width);
    if (n == 0) throw FormatError("string character split across records");
    for (std::size_t i = 0; i < n; ++i, position_ += width)
      units += wide ? static_cast<char16_t>(seg[position_] | (seg[position_ + 1] << 8))
                    : static_cast<char16_t>(seg[position_]);
    remaining -= n;
  }
  skip(4 * runs + phonetic);
  return utf16ToUtf8(units);
}

}  // namespace qh::sim::xls
