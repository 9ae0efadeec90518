#pragma once

#include <cstdint>
#include <string>

namespace qh::sim {

// A colour as Excel keeps it in a cell style: an RGB value, or "automatic" (the application's
// own: black text, no fill colour, black lines).
struct StyleColor {
  bool automatic = true;
  std::uint32_t rgb = 0;  // 0xRRGGBB

  static StyleColor of(std::uint32_t rgb) { return {false, rgb & 0xFFFFFF}; }
  friend bool operator==(const StyleColor&, const StyleColor&) = default;
};

struct CellFont {
  std::string name = "Calibri";
  double size = 11;  // points
  bool bold = false;
  bool italic = false;
  bool strikeout = false;
  // Excel's underline kinds: 0 none, 1 single, 2 double, 3 single and 4 double accounting.
  int underline = 0;
  int script = 0;  // 0 normal, 1 superscript, 2 subscript
  StyleColor color;

  friend bool operator==(const CellFont&, const CellFont&) = default;
};

// One side of a cell's border, with Excel's line styles: 0 none, 1 thin, 2 medium, 3 dashed,
// 4 dotted, 5 thick, 6 double, 7 hair, 8 medium dashed, 9 dash-dot, 10 medium dash-dot,
// 11 dash-dot-dot, 12 medium dash-dot-dot, 13 slanted dash-dot.
struct CellBorder {
  int style = 0;
  StyleColor color;

  friend bool operator==(const CellBorder&, const CellBorder&) = default;
};

// How a cell looks: what Excel's cell formats hold. A new workbook's default style is the
// default-constructed one; a workbook made from a template takes the template's.
struct CellStyle {
  enum Horizontal { kGeneral, kLeft, kCenter, kRight, kFill, kJustify, kCenterAcross, kSpread };
  enum Vertical { kTop, kMiddle, kBottom, kVerticalJustify, kVerticalSpread };

  CellFont font;
  std::string numberFormat = "General";  // a number format code
  int horizontal = kGeneral;
  int vertical = kBottom;
  bool wrap = false;
  bool shrink = false;
  int indent = 0;
  int rotation = 0;  // degrees, -90 to 90 (negative: clockwise); 255 for stacked letters
  // The fill, with Excel's pattern kinds: 0 none, 1 solid, 2 to 18 the shaded patterns. A
  // solid fill is drawn in the pattern colour.
  int pattern = 0;
  StyleColor patternColor;
  StyleColor background;
  CellBorder left, right, top, bottom;
  bool locked = true;
  bool formulaHidden = false;

  friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

}  // namespace qh::sim
