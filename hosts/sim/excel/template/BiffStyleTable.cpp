#include "hosts/sim/excel/template/BiffStyleTable.h"

#include <algorithm>

#include "hosts/sim/excel/template/BiffRecords.h"
#include "hosts/sim/excel/template/LittleEndian.h"

namespace qh::sim::xls {
namespace {

// Colours 8 to 63 of a file without a PALETTE record: Excel 97's standard palette.
constexpr std::uint32_t kStandardPalette[56] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};
// Colours 0 to 7 are fixed.
constexpr std::uint32_t kFixedColors[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                           0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};

// The number formats Excel knows by number and does not store (as US English shows them).
std::string builtInFormat(std::uint16_t id) {
  switch (id) {
    case 1:
      return "0";
    case 2:
      return "0.00";
    case 3:
      return "#,##0";
    case 4:
      return "#,##0.00";
    case 5:
      return "($#,##0_);($#,##0)";
    case 6:
      return "($#,##0_);[Red]($#,##0)";
    case 7:
      return "($#,##0.00_);($#,##0.00)";
    case 8:
      return "($#,##0.00_);[Red]($#,##0.00)";
    case 9:
      return "0%";
    case 10:
      return "0.00%";
    case 11:
      return "0.00E+00";
    case 12:
      return "# ?/?";
    case 13:
      return "# ?\?/?\?";  // written so as not to read as a trigraph
    case 14:
      return "m/d/yy";
    case 15:
      return "d-mmm-yy";
    case 16:
      return "d-mmm";
    case 17:
      return "mmm-yy";
    case 18:
      return "h:mm AM/PM";
    case 19:
      return "h:mm:ss AM/PM";
    case 20:
      return "h:mm";
    case 21:
      return "h:mm:ss";
    case 22:
      return "m/d/yy h:mm";
    case 37:
      return "(#,##0_);(#,##0)";
    case 38:
      return "(#,##0_);[Red](#,##0)";
    case 39:
      return "(#,##0.00_);(#,##0.00)";
    case 40:
      return "(#,##0.00_);[Red](#,##0.00)";
    case 45:
      return "mm:ss";
    case 46:
      return "[h]:mm:ss";
    case 47:
      return "mm:ss.0";
    case 48:
      return "##0.0E+0";
    case 49:
      return "@";
    default:
      return "General";
  }
}

int rotationOf(std::uint8_t trot) {
  if (trot <= 90 || trot == 255) return trot;
  if (trot <= 180) return -(trot - 90);
  return 0;
}

}  // namespace

bool BiffStyleTable::take(const BiffRecord& record) {
  const auto& d = record.data;
  switch (record.type) {
    case kFont:
      readFont(record);
      return true;
    case kFormat:
      require(d.size() >= 5, "short FORMAT record");
      formats_[readU16(&d[0])] = recordString(d, 2, false);
      return true;
    case kXf: {
      require(d.size() >= 20, "short XF record");
      Xf& xf = xfs_.emplace_back();
      std::copy_n(d.begin(), xf.size(), xf.begin());
      return true;
    }
    case kPalette: {
      require(d.size() >= 2, "short PALETTE record");
      const std::size_t count = readU16(&d[0]);
      require(d.size() >= 2 + 4 * count, "short PALETTE record");
      palette_.clear();
      for (std::size_t i = 0; i < count; ++i)
        palette_.push_back((d[2 + 4 * i] << 16) | (d[3 + 4 * i] << 8) | d[4 + 4 * i]);
      return true;
    }
    default:
      return false;
  }
}

void BiffStyleTable::readFont(const BiffRecord& record) {
  const auto& d = record.data;
  require(d.size() >= 16, "short FONT record");
  Font& f = fonts_.emplace_back();
  f.font.size = readU16(&d[0]) / 20.0;
  const std::uint16_t flags = readU16(&d[2]);
  f.font.italic = flags & 0x0002;
  f.font.strikeout = flags & 0x0008;
  f.color = readU16(&d[4]);
  f.font.bold = readU16(&d[6]) >= 700;
  f.font.script = std::min<int>(readU16(&d[8]), 2);
  switch (d[10]) {
    case 0x01:
      f.font.underline = 1;
      break;
    case 0x02:
      f.font.underline = 2;
      break;
    case 0x21:
      f.font.underline = 3;
      break;
    case 0x22:
      f.font.underline = 4;
      break;
    default:
      f.font.underline = 0;
      break;
  }
  f.font.name = recordString(d, 14, true);
}

StyleColor BiffStyleTable::color(std::uint16_t index) const {
  if (index < 8) return StyleColor::of(kFixedColors[index]);
  if (index < 64) {
    const std::size_t i = index - 8u;
    return StyleColor::of(i < palette_.size() ? palette_[i] : kStandardPalette[i]);
  }
  return {};  // the system's colours and "automatic"
}

std::string BiffStyleTable::numberFormat(std::uint16_t id) const {
  const auto it = formats_.find(id);
  return it != formats_.end() ? it->second : builtInFormat(id);
}

std::vector<CellStyle> BiffStyleTable::styles() const {
  std::vector<CellStyle> out;
  out.reserve(xfs_.size());
  for (const Xf& xf : xfs_) out.push_back(resolve(xf));
  return out;
}

CellStyle BiffStyleTable::resolve(const Xf& xf) const {
  CellStyle s;
  // Font numbers skip 4, a gap the format has kept from its first versions.
  const std::uint16_t fontIndex = readU16(&xf[0]);
  const std::size_t font = fontIndex < 4 ? fontIndex : fontIndex - 1u;
  if (font < fonts_.size()) {
    s.font = fonts_[font].font;
    s.font.color = color(fonts_[font].color);
  }
  s.numberFormat = numberFormat(readU16(&xf[2]));
  const std::uint16_t protection = readU16(&xf[4]);
  s.locked = protection & 0x0001;
  s.formulaHidden = protection & 0x0002;
  s.horizontal = xf[6] & 0x07;
  s.wrap = xf[6] & 0x08;
  s.vertical = std::min((xf[6] >> 4) & 0x07, static_cast<int>(CellStyle::kVerticalSpread));
  s.rotation = rotationOf(xf[7]);
  s.indent = xf[8] & 0x0F;
  s.shrink = xf[8] & 0x10;

  const std::uint32_t lines = readU32(&xf[10]);
  const std::uint32_t more = readU32(&xf[14]);
  auto border = [&](int style, std::uint16_t colorIndex) {
    CellBorder b;
    b.style = style;
    if (style != 0) b.color = color(colorIndex);
    return b;
  };
  s.left = border(lines & 0x0F, (lines >> 16) & 0x7F);
  s.right = border((lines >> 4) & 0x0F, (lines >> 23) & 0x7F);
  s.top = border((lines >> 8) & 0x0F, more & 0x7F);
  s.bottom = border((lines >> 12) & 0x0F, (more >> 7) & 0x7F);
  s.pattern = static_cast<int>(more >> 26);
  if (s.pattern != 0) {
    const std::uint16_t fill = readU16(&xf[18]);
    s.patternColor = color(fill & 0x7F);
    s.background = color((fill >> 7) & 0x7F);
  }
  return s;
}

}  // namespace qh::sim::xls
