#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qh::sim::xls {

// One BIFF record: its type and its data (without the four header bytes).
struct BiffRecord {
  std::uint16_t type = 0;
  std::span<const std::uint8_t> data;
};

// Walks the records of a workbook stream from a given offset. A record whose length runs
// past the end of the stream raises FormatError.
class BiffRecordCursor {
 public:
  BiffRecordCursor(std::span<const std::uint8_t> stream, std::size_t offset);

  // Reads the next record; false at the end of the stream.
  bool next(BiffRecord& record);
  // The type of the record that next() would read, or 0 at the end of the stream.
  std::uint16_t peekType() const;

 private:
  std::span<const std::uint8_t> stream_;
  std::size_t offset_;
};

}  // namespace qh::sim::xls
