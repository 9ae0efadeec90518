#include "hosts/sim/excel/template/BiffRecords.h"

#include "hosts/sim/excel/template/BiffContinuedReader.h"
#include "hosts/sim/excel/template/LittleEndian.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

void require(bool ok, const char* what) {
  if (!ok) throw FormatError(what);
}

std::string recordChars(std::span<const std::uint8_t> data, std::size_t at, std::size_t count) {
  require(at < data.size() || count == 0, "string runs past its record");
  if (count == 0) return {};
  const bool wide = data[at++] & 0x1;
  require(at + count * (wide ? 2 : 1) <= data.size(), "string runs past its record");
  if (!wide) return latin1ToUtf8(data.subspan(at, count));
  std::u16string units;
  for (std::size_t i = 0; i < count; ++i)
    units += static_cast<char16_t>(readU16(&data[at + 2 * i]));
  return utf16ToUtf8(units);
}

std::string recordString(std::span<const std::uint8_t> data, std::size_t at, bool shortCount) {
  require(at + (shortCount ? 2 : 3) <= data.size(), "string runs past its record");
  const std::size_t count = shortCount ? data[at] : readU16(&data[at]);
  return recordChars(data, at + (shortCount ? 1 : 2), count);
}

}  // namespace qh::sim::xls
