#include "hosts/sim/excel/template/BiffSheetReader.h"

#include "hosts/sim/excel/template/BiffRecords.h"
#include "hosts/sim/excel/template/LittleEndian.h"

namespace qh::sim::xls {
namespace {

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kWorksheetSubstream = 0x0010;

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

double twipsToPoints(std::uint16_t twips) {
  return twips / 20.0;
}

}  // namespace

const std::string& BiffSheetReader::sharedString(std::uint32_t index) const {
  require(index < strings_.size(), "shared string index out of range");
  return strings_[index];
}

TemplateSheet BiffSheetReader::read(std::uint32_t offset) const {
  BiffRecordCursor cursor(stream_, offset);
  BiffRecord record;
  require(cursor.next(record), "missing worksheet");
  require(record.type == kBof && record.data.size() >= 4, "missing BOF record");
  require(readU16(&record.data[0]) == kBiff8, "not an Excel 97-2003 (BIFF8) workbook");
  require(readU16(&record.data[2]) == kWorksheetSubstream, "unexpected substream type");
  Reading r;
  int depth = 1;  // embedded charts bring their own BOF/EOF pairs
  while (depth > 0) {
    require(cursor.next(record), "worksheet without EOF");
    if (record.type == kBof)
      ++depth;
    else if (record.type == kEof)
      --depth;
    else if (depth == 1)
      take(record, r);
  }
  if (r.frozen) {
    r.sheet.settings.frozenColumns = r.paneX;
    r.sheet.settings.frozenRows = r.paneY;
  }
  return std::move(r.sheet);
}

void BiffSheetReader::take(const BiffRecord& record, Reading& r) const {
  const auto& d = record.data;
  switch (record.type) {
    case kColInfo:
      require(d.size() >= 10, "short COLINFO record");
      r.sheet.columns.push_back({readU16(&d[0]) + 1u, readU16(&d[2]) + 1u, readU16(&d[4]) / 256.0,
                                 (readU16(&d[8]) & 0x1) != 0, readU16(&d[6])});
      break;
    case kRow: {
      // A row's height is kept when it was set by hand or differs from the sheet's default
      // (a larger font made it grow); other rows take the height of the workbook they go to.
      require(d.size() >= 16, "short ROW record");
      const std::uint32_t flags = readU32(&d[12]);
      const std::uint16_t height = readU16(&d[6]) & 0x7FFF;
      TemplateRow row;
      row.row = readU16(&d[0]) + 1u;
      if ((flags & 0x40) || height != r.defaultRowHeight) row.height = twipsToPoints(height);
      row.hidden = flags & 0x20;
      row.styled = flags & 0x80;
      row.style = (flags >> 16) & 0x0FFF;
      if (row.height > 0 || row.hidden || row.styled) r.sheet.rows.push_back(row);
      break;
    }
    case kDefaultRowHeight:
      require(d.size() >= 4, "short DEFAULTROWHEIGHT record");
      r.defaultRowHeight = readU16(&d[2]);
      break;
    case kWindow2:
    case kPane:
    case kScl:
    case kSelection:
      takeView(record, r);
      break;
    case kLabelSst:
    case kLabel:
    case kNumber:
    case kRk:
    case kMulRk:
    case kBlank:
    case kMulBlank:
      takeCell(record, r.sheet);
      break;
    default:
      takePageSetup(record, r.sheet.settings);
      break;
  }
}

void BiffSheetReader::takeCell(const BiffRecord& record, TemplateSheet& sheet) const {
  const auto& d = record.data;
  require(d.size() >= 6, "short cell record");
  const std::uint32_t row = readU16(&d[0]) + 1u;
  auto cell = [&](std::uint32_t column, std::uint16_t style, TemplateValue value) {
    sheet.cells.push_back({row, column, std::move(value), style});
  };
  const std::uint32_t column = readU16(&d[2]) + 1u;
  const std::uint16_t style = readU16(&d[4]);
  switch (record.type) {
    case kLabelSst:
      require(d.size() >= 10, "short LABELSST record");
      cell(column, style, sharedString(readU32(&d[6])));
      break;
    case kLabel:
      require(d.size() >= 8, "short LABEL record");
      cell(column, style, recordString(d, 6, false));
      break;
    case kNumber:
      require(d.size() >= 14, "short NUMBER record");
      cell(column, style, readF64(&d[6]));
      break;
    case kRk:
      require(d.size() >= 10, "short RK record");
      cell(column, style, rkValue(readU32(&d[6])));
      break;
    case kBlank:
      cell(column, style, std::monostate{});
      break;
    case kMulRk:
      require((d.size() - 6) % 6 == 0, "malformed MULRK record");
      for (std::size_t i = 0; 4 + 6 * i + 6 <= d.size() - 2; ++i)
        cell(column + static_cast<std::uint32_t>(i), readU16(&d[4 + 6 * i]),
             rkValue(readU32(&d[4 + 6 * i + 2])));
      break;
    case kMulBlank:
      require(d.size() % 2 == 0, "malformed MULBLANK record");
      for (std::size_t i = 0; 4 + 2 * i + 2 <= d.size() - 2; ++i)
        cell(column + static_cast<std::uint32_t>(i), readU16(&d[4 + 2 * i]), std::monostate{});
      break;
    default:
      break;
  }
}

void BiffSheetReader::takeView(const BiffRecord& record, Reading& r) const {
  const auto& d = record.data;
  SheetSettings& s = r.sheet.settings;
  switch (record.type) {
    case kWindow2: {
      require(d.size() >= 10, "short WINDOW2 record");
      const std::uint16_t flags = readU16(&d[0]);
      s.gridlines = flags & 0x0002;
      r.frozen = flags & 0x0008;
      if (d.size() >= 14 && readU16(&d[12]) != 0) s.zoom = readU16(&d[12]);
      break;
    }
    case kScl:
      require(d.size() >= 4, "short SCL record");
      if (readU16(&d[2]) != 0) s.zoom = readU16(&d[0]) * 100 / readU16(&d[2]);
      break;
    case kPane:
      require(d.size() >= 9, "short PANE record");
      r.paneX = readU16(&d[0]);
      r.paneY = readU16(&d[2]);
      r.activePane = d[8];
      break;
    case kSelection:
      require(d.size() >= 5, "short SELECTION record");
      if (d[0] == r.activePane) {
        r.sheet.activeRow = readU16(&d[1]) + 1u;
        r.sheet.activeColumn = readU16(&d[3]) + 1u;
      }
      break;
    default:
      break;
  }
}

void BiffSheetReader::takePageSetup(const BiffRecord& record, SheetSettings& s) const {
  const auto& d = record.data;
  auto flag = [&] {
    require(d.size() >= 2, "short page setup record");
    return readU16(&d[0]) != 0;
  };
  auto inches = [&] {
    require(d.size() >= 8, "short margin record");
    return readF64(&d[0]);
  };
  switch (record.type) {
    case kSetup: {
      require(d.size() >= 34, "short SETUP record");
      const std::uint16_t options = readU16(&d[10]);
      if (!(options & 0x0004)) {  // paper, scale and orientation are set
        s.paperSize = readU16(&d[0]);
        s.scale = readU16(&d[2]);
        s.landscape = !(options & 0x0002);
      }
      s.fitWidth = readU16(&d[6]);
      s.fitHeight = readU16(&d[8]);
      s.marginHeader = readF64(&d[16]);
      s.marginFooter = readF64(&d[24]);
      break;
    }
    case kWsBool:
      require(d.size() >= 2, "short WSBOOL record");
      s.fitToPages = readU16(&d[0]) & 0x0100;
      break;
    case kHeader:
      s.header = d.empty() ? std::string() : recordString(d, 0, false);
      break;
    case kFooter:
      s.footer = d.empty() ? std::string() : recordString(d, 0, false);
      break;
    case kHCenter:
      s.centerHorizontally = flag();
      break;
    case kVCenter:
      s.centerVertically = flag();
      break;
    case kPrintGridlines:
      s.printGridlines = flag();
      break;
    case kPrintHeaders:
      s.printHeadings = flag();
      break;
    case kLeftMargin:
      s.marginLeft = inches();
      break;
    case kRightMargin:
      s.marginRight = inches();
      break;
    case kTopMargin:
      s.marginTop = inches();
      break;
    case kBottomMargin:
      s.marginBottom = inches();
      break;
    default:
      break;
  }
}

}  // namespace qh::sim::xls
