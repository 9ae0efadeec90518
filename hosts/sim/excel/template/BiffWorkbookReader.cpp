#include "hosts/sim/excel/template/BiffWorkbookReader.h"

#include <algorithm>

#include "hosts/sim/excel/template/BiffContinuedReader.h"
#include "hosts/sim/excel/template/BiffRecords.h"
#include "hosts/sim/excel/template/BiffSheetReader.h"
#include "hosts/sim/excel/template/LittleEndian.h"

namespace qh::sim::xls {
namespace {

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobalsSubstream = 0x0005;
constexpr std::uint8_t kWorksheetKind = 0;
// By convention the sixteenth XF is the style of cells that were given none.
constexpr std::uint32_t kDefaultCellXf = 15;
constexpr std::uint8_t kPrintTitlesName = 0x07;
constexpr std::uint16_t kLastBiffRow = 0xFFFF;
constexpr std::uint16_t kLastBiffColumn = 0xFF;

void checkBof(const BiffRecord& record, std::uint16_t substream) {
  require(record.type == kBof && record.data.size() >= 4, "missing BOF record");
  require(readU16(&record.data[0]) == kBiff8, "not an Excel 97-2003 (BIFF8) workbook");
  require(readU16(&record.data[2]) == substream, "unexpected substream type");
}

// The areas of a name's formula that are whole rows or whole columns: a ptgArea3d, or two
// of them joined by ptgUnion inside a ptgMemFunc. Anything else ends the walk.
void readTitleAreas(std::span<const std::uint8_t> formula, SheetSettings& titles) {
  std::size_t at = 0;
  while (at < formula.size()) {
    const std::uint8_t token = formula[at];
    if (token == 0x29 || token == 0x49 || token == 0x69) {  // ptgMemFunc: its size follows
      at += 3;
    } else if (token == 0x10) {  // ptgUnion
      at += 1;
    } else if ((token == 0x3B || token == 0x5B || token == 0x7B) && at + 11 <= formula.size()) {
      const std::uint16_t rowFirst = readU16(&formula[at + 3]), rowLast = readU16(&formula[at + 5]);
      const std::uint16_t colFirst = readU16(&formula[at + 7]) & 0xFF;
      const std::uint16_t colLast = readU16(&formula[at + 9]) & 0xFF;
      if (colFirst == 0 && colLast == kLastBiffColumn) {
        titles.titleRowFirst = rowFirst + 1;
        titles.titleRowLast = rowLast + 1;
      } else if (rowFirst == 0 && rowLast == kLastBiffRow) {
        titles.titleColumnFirst = colFirst + 1;
        titles.titleColumnLast = colLast + 1;
      }
      at += 11;
    } else {
      return;
    }
  }
}

}  // namespace

BiffWorkbookReader::BiffWorkbookReader(std::span<const std::uint8_t> stream) : stream_(stream) {}

TemplateBook BiffWorkbookReader::read() {
  readGlobals();
  TemplateBook book;
  book.styles = styles_.styles();
  if (book.styles.size() > kDefaultCellXf) book.defaultStyle = kDefaultCellXf;
  const BiffSheetReader sheets(stream_, strings_);
  for (std::size_t tab = 0; tab < entries_.size(); ++tab) {
    if (entries_[tab].kind != kWorksheetKind) continue;
    if (tab == activeTab_) book.activeSheet = book.sheets.size();
    TemplateSheet sheet = sheets.read(entries_[tab].offset);
    sheet.name = entries_[tab].name;
    sheet.visible = entries_[tab].visibility == 0;
    for (const PrintTitles& p : printTitles_) {
      if (p.tab != tab) continue;
      sheet.settings.titleRowFirst = p.titles.titleRowFirst;
      sheet.settings.titleRowLast = p.titles.titleRowLast;
      sheet.settings.titleColumnFirst = p.titles.titleColumnFirst;
      sheet.settings.titleColumnLast = p.titles.titleColumnLast;
    }
    book.sheets.push_back(std::move(sheet));
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
    if (styles_.take(record)) continue;
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
    } else if (record.type == kName) {
      readName(record);
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

// A NAME record: options, shortcut key, name length, formula size, two reserved bytes, the
// sheet it belongs to (from 1), four lengths, then the name and its formula. Only the
// built-in print titles are taken; other names mean nothing to the export.
void BiffWorkbookReader::readName(const BiffRecord& record) {
  const auto& d = record.data;
  require(d.size() >= 14, "short NAME record");
  const bool builtIn = readU16(&d[0]) & 0x0020;
  const std::size_t length = d[3];
  const std::size_t formulaSize = readU16(&d[4]);
  const std::uint16_t tab = readU16(&d[8]);
  if (!builtIn || length != 1 || tab == 0 || d.size() < 15) return;
  const bool wide = d[14] & 0x1;
  const std::size_t nameEnd = 15 + (wide ? 2 : 1);
  require(nameEnd + formulaSize <= d.size(), "NAME formula runs past its record");
  if (d[15] != kPrintTitlesName) return;
  PrintTitles titles;
  titles.tab = tab - 1u;
  readTitleAreas(d.subspan(nameEnd, formulaSize), titles.titles);
  printTitles_.push_back(titles);
}

}  // namespace qh::sim::xls
