#pragma once

#include <string>

namespace qh::sim {

// How a worksheet is shown and printed, as far as a template sets it. The defaults are those
// of a new worksheet.
struct SheetSettings {
  // The view: rows above and columns left of the frozen panes, the zoom in percent, and
  // whether gridlines show.
  int frozenRows = 0;
  int frozenColumns = 0;
  int zoom = 100;
  bool gridlines = true;

  // Printing. Paper sizes are Excel's codes (1 Letter, 9 A4; 0 the printer's default). With
  // fitToPages the sheet is scaled to fitWidth pages across and fitHeight down (0: as many as
  // needed); otherwise it prints at `scale` percent.
  bool landscape = false;
  int paperSize = 0;
  int scale = 100;
  bool fitToPages = false;
  int fitWidth = 1;
  int fitHeight = 1;
  // Margins in inches.
  double marginLeft = 0.7, marginRight = 0.7, marginTop = 0.75, marginBottom = 0.75;
  double marginHeader = 0.3, marginFooter = 0.3;
  std::string header, footer;  // Excel's header and footer codes ("&C&A")
  bool centerHorizontally = false;
  bool centerVertically = false;
  bool printGridlines = false;
  bool printHeadings = false;
  // Rows and columns repeated on every printed page, from 1; 0 when there are none.
  int titleRowFirst = 0, titleRowLast = 0;
  int titleColumnFirst = 0, titleColumnLast = 0;

  friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

}  // namespace qh::sim
