#include "hosts/sim/excel/template/BiffWorkbookReader.h"

#include <algorithm>

#include "hosts/sim/excel/template/BiffContinuedReader.h"
#include "hosts/sim/excel/template/LittleEndian.h"

namespace qh::sim::xls {
namespace {

enum RecordType : std::uint16_t {
  kBof = 0x0809,
  kEof = 0x000A,
  kBoundSheet = 0x0085,
  kWindow1 = 0x003D,
  kSst = 0x00FC,
  kContinue = 0x003C,
  kLabelSst = 0x00FD,
  kLabel = 0x0204,
  kNumber = 0x0203,
  kRk = 0x027E,
  kMulRk = 0x00BD,
  kColInfo = 0x007D,
};

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint16_t kWorksheetSubstream = 0x0010;
constexpr std::uint8_t kWorksheetKind = 0;

void require(bool ok, const char* what) {
  if (!ok) throw FormatError(what);
}

// An RK number: 30 bits of either an integer or the high bits of a double, optionally
// scaled by 100.
double rkValue(std::uint32_t rk) {
  double value;
  if (rk & 0x2) {
    value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
  } else {
    std::uint8_t bytes[8] = {};
    const std::uint32_t high = rk & 0xFFFFFFFCu;
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<std::uint8_t>(high >> (8 * i));
    value = readF64(bytes);
  }
  return (rk & 0x1) ? value / 100.0 : value;
}

// An XLUnicodeString or ShortXLUnicodeString inside one record, starting at `at`.
std::string recordString(std::span<const std::uint8_t> data, std::size_t at, bool shortCount) {
  require(at + (shortCount ? 2 : 3) <= data.size(), "string runs past its record");
  const std::size_t count = shortCount ? data[at] : readU16(&data[at]);
  at += shortCount ? 1 : 2;
  const bool wide = data[at++] & 0x1;
  require(at + count * (wide ? 2 : 1) <= data.size(), "string runs past its record");
  if (!wide) return latin1ToUtf8(data.subspan(at, count));
  std::u16string units;
  for (std::size_t i = 0; i < count; ++i)
    units += static_cast<char16_t>(readU16(&data[at + 2 * i]));
  return utf16ToUtf8(units);
}

void checkBof(const BiffRecord& record, std::uint16_t substream) {
  require(record.type == kBof && record.data.size() >= 4, "missing BOF record");
  require(readU16(&record.data[0]) == kBiff8, "not an Excel 97-2003 (BIFF8) workbook");
  require(readU16(&record.data[2]) == substream, "unexpected substream type");
}

}  // namespace

BiffWorkbookReader::BiffWorkbookReader(std::span<const std::uint8_t> stream) : stream_(stream) {}

TemplateBook BiffWorkbookReader::read() {
  readGlobals();
  TemplateBook book;
  for (std::size_t tab = 0; tab < entries_.size(); ++tab) {
    if (entries_[tab].kind != kWorksheetKind) continue;
    if (tab == activeTab_) book.activeSheet = book.sheets.size();
    book.sheets.push_back(readWorksheet(entries_[tab]));
  }
  require(!book.sheets.empty(), "workbook without worksheets");
  return book;
}

void BiffWorkbookReader::readGlobals() {
  BiffRecordCursor cursor(stream_, 0);
  BiffRecord record;
  require(cursor.next(record), "empty workbook stream");
  checkBof(record, kGlobalsSubstream);
  bool sawWindow = false;
  while (true) {
    require(cursor.next(record), "workbook globals without EOF");
    if (record.type == kEof) return;
    const auto& d = record.data;
    if (record.type == kBoundSheet) {
      require(d.size() >= 8, "short BOUNDSHEET record");
      entries_.push_back(
          {readU32(&d[0]), static_cast<std::uint8_t>(d[4] & 0x3), d[5], recordString(d, 6, true)});
    } else if (record.type == kWindow1 && !sawWindow) {
      require(d.size() >= 12, "short WINDOW1 record");
      activeTab_ = readU16(&d[10]);
      sawWindow = true;
    } else if (record.type == kSst) {
      readSharedStrings(record, cursor);
    }
  }
}

void BiffWorkbookReader::readSharedStrings(const BiffRecord& sst, BiffRecordCursor& cursor) {
  std::vector<std::span<const std::uint8_t>> segments{sst.data};
  BiffRecord more;
  while (cursor.peekType() == kContinue && cursor.next(more)) segments.push_back(more.data);
  BiffContinuedReader reader(std::move(segments));
  reader.u32();  // total references, not needed
  const std::uint32_t unique = reader.u32();
  strings_.reserve(std::min<std::uint32_t>(unique, 65536));
  for (std::uint32_t i = 0; i < unique; ++i) strings_.push_back(reader.richString());
}

const std::string& BiffWorkbookReader::sharedString(std::uint32_t index) const {
  require(index < strings_.size(), "shared string index out of range");
  return strings_[index];
}

TemplateSheet BiffWorkbookReader::readWorksheet(const SheetEntry& entry) const {
  TemplateSheet sheet;
  sheet.name = entry.name;
  sheet.visible = entry.visibility == 0;
  BiffRecordCursor cursor(stream_, entry.offset);
  BiffRecord record;
  require(cursor.next(record), "missing worksheet");
  checkBof(record, kWorksheetSubstream);
  int depth = 1;  // embedded charts bring their own BOF/EOF pairs
  while (depth > 0) {
    require(cursor.next(record), "worksheet without EOF");
    if (record.type == kBof)
      ++depth;
    else if (record.type == kEof)
      --depth;
    else if (depth == 1)
      readCell(record, sheet);
  }
  return sheet;
}

void BiffWorkbookReader::readCell(const BiffRecord& record, TemplateSheet& sheet) const {
  const auto& d = record.data;
  auto cell = [&](std::size_t colAt, auto value) {
    TemplateCell& c = sheet.cells.emplace_back();
    c.row = readU16(&d[0]) + 1u;
    c.column = readU16(&d[colAt]) + 1u;
    c.value = std::move(value);
  };
  switch (record.type) {
    case kLabelSst:
      require(d.size() >= 10, "short LABELSST record");
      cell(2, sharedString(readU32(&d[6])));
      break;
    case kLabel:
      require(d.size() >= 6, "short LABEL record");
      cell(2, recordString(d, 6, false));
      break;
    case kNumber:
      require(d.size() >= 14, "short NUMBER record");
      cell(2, readF64(&d[6]));
      break;
    case kRk:
      require(d.size() >= 10, "short RK record");
      cell(2, rkValue(readU32(&d[6])));
      break;
    case kMulRk: {
      require(d.size() >= 6 && (d.size() - 6) % 6 == 0, "malformed MULRK record");
      const std::uint32_t row = readU16(&d[0]) + 1u, first = readU16(&d[2]) + 1u;
      for (std::size_t i = 0; 4 + 6 * i + 6 <= d.size() - 2; ++i) {
        TemplateCell& c = sheet.cells.emplace_back();
        c.row = row;
        c.column = first + static_cast<std::uint32_t>(i);
        c.value = rkValue(readU32(&d[4 + 6 * i + 2]));
      }
      break;
    }
    case kColInfo:
      require(d.size() >= 10, "short COLINFO record");
      sheet.columns.push_back({readU16(&d[0]) + 1u, readU16(&d[2]) + 1u, readU16(&d[4]) / 256.0,
                               (readU16(&d[8]) & 0x1) != 0});
      break;
    default:
      break;
  }
}

}  // namespace qh::sim::xls
