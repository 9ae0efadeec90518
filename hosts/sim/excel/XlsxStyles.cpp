#include "hosts/sim/excel/XlsxStyles.h"

#include <cmath>

namespace qh::sim {
namespace {

// libxlsxwriter reads 0 (black) as "no colour set", which shows the automatic colour: black
// for text and lines, the pattern's own for fills. Either way the cell looks the same.
void setColor(lxw_format* f, void (*set)(lxw_format*, lxw_color_t), const StyleColor& color) {
  if (!color.automatic && color.rgb != 0) set(f, color.rgb);
}

void setBorder(lxw_format* f, const CellBorder& border, void (*style)(lxw_format*, uint8_t),
               void (*color)(lxw_format*, lxw_color_t)) {
  if (border.style == 0) return;
  style(f, static_cast<uint8_t>(border.style));
  setColor(f, color, border.color);
}

uint8_t verticalAlignment(int vertical) {
  switch (vertical) {
    case CellStyle::kTop:
      return LXW_ALIGN_VERTICAL_TOP;
    case CellStyle::kMiddle:
      return LXW_ALIGN_VERTICAL_CENTER;
    case CellStyle::kVerticalJustify:
      return LXW_ALIGN_VERTICAL_JUSTIFY;
    case CellStyle::kVerticalSpread:
      return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    default:
      return LXW_ALIGN_NONE;  // bottom, the file format's default
  }
}

}  // namespace

XlsxStyles::XlsxStyles(lxw_workbook* book, const std::vector<CellStyle>* styles)
    : book_(book), styles_(styles ? *styles : std::vector<CellStyle>{CellStyle{}}) {
  if (styles_.empty()) styles_.emplace_back();
  made_.assign(styles_.size() * kVariants, nullptr);
  madeYet_.assign(styles_.size() * kVariants, false);
}

lxw_format* XlsxStyles::format(int index) {
  return variant(index, kAsIs);
}

lxw_format* XlsxStyles::format(int index, const CellValue& value) {
  if (value.kind != CellValue::Kind::Date) return variant(index, kAsIs);
  return variant(index, value.number == std::floor(value.number) ? kDate : kDateTime);
}

lxw_format* XlsxStyles::variant(int index, Variant v) {
  if (index < 0 || static_cast<std::size_t>(index) >= styles_.size()) index = 0;
  const std::size_t slot = static_cast<std::size_t>(index) * kVariants + v;
  if (madeYet_[slot]) return made_[slot];
  const CellStyle& style = styles_[static_cast<std::size_t>(index)];
  const bool general = style.numberFormat == "General";
  if (v != kAsIs && !general) {
    made_[slot] = variant(index, kAsIs);
  } else if (v == kAsIs) {
    made_[slot] = style == CellStyle{} ? nullptr : make(style, nullptr);
  } else {
    made_[slot] = make(style, v == kDate ? "m/d/yyyy" : "m/d/yyyy h:mm");
  }
  madeYet_[slot] = true;
  return made_[slot];
}

lxw_format* XlsxStyles::make(const CellStyle& style, const char* dateFormat) {
  lxw_format* f = workbook_add_format(book_);
  const CellFont& font = style.font;
  format_set_font_name(f, font.name.c_str());
  format_set_font_size(f, font.size);
  if (font.bold) format_set_bold(f);
  if (font.italic) format_set_italic(f);
  if (font.strikeout) format_set_font_strikeout(f);
  if (font.underline != 0) format_set_underline(f, static_cast<uint8_t>(font.underline));
  if (font.script != 0) format_set_font_script(f, static_cast<uint8_t>(font.script));
  setColor(f, format_set_font_color, font.color);

  if (dateFormat)
    format_set_num_format(f, dateFormat);
  else if (style.numberFormat != "General")
    format_set_num_format(f, style.numberFormat.c_str());

  if (style.horizontal != CellStyle::kGeneral)
    format_set_align(f, static_cast<uint8_t>(style.horizontal));
  if (const uint8_t v = verticalAlignment(style.vertical); v != LXW_ALIGN_NONE)
    format_set_align(f, v);
  if (style.wrap) format_set_text_wrap(f);
  if (style.shrink) format_set_shrink(f);
  if (style.indent != 0) format_set_indent(f, static_cast<uint8_t>(style.indent));
  if (style.rotation != 0)
    format_set_rotation(f, static_cast<int16_t>(style.rotation == 255 ? 270 : style.rotation));

  if (style.pattern == LXW_PATTERN_SOLID) {
    // The library takes a solid fill's colour as the cell's background colour.
    format_set_pattern(f, LXW_PATTERN_SOLID);
    setColor(f, format_set_bg_color, style.patternColor);
  } else if (style.pattern != 0) {
    format_set_pattern(f, static_cast<uint8_t>(style.pattern));
    setColor(f, format_set_fg_color, style.patternColor);
    setColor(f, format_set_bg_color, style.background);
  }
  setBorder(f, style.left, format_set_left, format_set_left_color);
  setBorder(f, style.right, format_set_right, format_set_right_color);
  setBorder(f, style.top, format_set_top, format_set_top_color);
  setBorder(f, style.bottom, format_set_bottom, format_set_bottom_color);
  if (!style.locked) format_set_unlocked(f);
  if (style.formulaHidden) format_set_hidden(f);
  return f;
}

}  // namespace qh::sim
