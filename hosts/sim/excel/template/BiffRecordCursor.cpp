#include "hosts/sim/excel/template/BiffRecordCursor.h"

#include "hosts/sim/excel/template/LittleEndian.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

BiffRecordCursor::BiffRecordCursor(std::span<const std::uint8_t> stream, std::size_t offset)
    : stream_(stream), offset_(offset) {
  if (offset_ > stream_.size()) throw FormatError("record offset past the end of the workbook");
}

bool BiffRecordCursor::next(BiffRecord& record) {
  if (offset_ + 4 > stream_.size()) return false;
  const std::uint16_t type = readU16(&stream_[offset_]);
  const std::uint16_t length = readU16(&stream_[offset_ + 2]);
  if (offset_ + 4 + length > stream_.size()) throw FormatError("truncated record");
  record.type = type;
  record.data = stream_.subspan(offset_ + 4, length);
  offset_ += 4 + length;
  return true;
}

std::uint16_t BiffRecordCursor::peekType() const {
  return offset_ + 4 <= stream_.size() ? readU16(&stream_[offset_]) : 0;
}

}  // namespace qh::sim::xls
