// The BIFF8 record reader, on workbook streams built record by record, so that the cases a
// LibreOffice-made template never shows (strings split across CONTINUE records, RK forms,
// embedded chart substreams, a non-worksheet tab) are covered.
#include "hosts/sim/excel/template/BiffWorkbookReader.h"

#include <gtest/gtest.h>

#include "tests/simexcel/BiffStreamBuilder.h"

namespace qh::sim::xls {
namespace {

TEST(BiffWorkbookReader, ReadsSheetsCellsColumnsAndTheActiveTab) {
  StreamBuilder b;
  b.bof(0x0005);
  Bytes window(18, 0);
  window[10] = 2;  // itabCur: the third tab, "Data"
  b.record(0x003D, window);
  const std::size_t first = b.boundSheet("Notes", 0);
  const std::size_t chart = b.boundSheet("Chart1", 2);
  const std::size_t data = b.boundSheet("Data", 0, 1);

  // Shared strings: "Date", then "Déjà vu" whose characters run into a CONTINUE record that
  // switches to two-byte characters, then a rich string with a formatting run.
  Bytes sst;
  u32(sst, 3);
  u32(sst, 3);
  u16(sst, 4);
  sst.push_back(0);
  latin1(sst, "Date");
  u16(sst, 7);
  sst.push_back(0);
  sst.push_back('D');
  sst.push_back(0xE9);  // é as one byte
  b.record(0x00FC, sst);
  Bytes more;
  more.push_back(1);  // the rest is two bytes wide
  for (char16_t c : std::u16string(u"j\u00E0 vu")) u16(more, c);
  u16(more, 3);
  more.push_back(0x08);  // rich: one run follows the characters
  u16(more, 1);
  latin1(more, "Tag");
  u32(more, 0x00010000);  // the run, skipped
  b.record(0x003C, more);
  b.eof();

  b.patchOffset(first);
  b.bof(0x0010);
  Bytes label;
  b.cellHeader(label, 2, 2);
  u32(label, 0);
  b.record(0x00FD, label);  // C3 = "Date"
  Bytes split;
  b.cellHeader(split, 4, 1);
  u32(split, 1);
  b.record(0x00FD, split);  // B5 = "Déjà vu"
  Bytes number;
  b.cellHeader(number, 3, 4);
  f64(number, 1.5);
  b.record(0x0203, number);  // E4 = 1.5
  Bytes colinfo;
  u16(colinfo, 6);
  u16(colinfo, 7);
  u16(colinfo, 20 * 256);
  u16(colinfo, 15);
  u16(colinfo, 0x0001);  // hidden
  u16(colinfo, 0);
  b.record(0x007D, colinfo);  // G:H hidden, 20 characters wide
  b.bof(0x0020);              // an embedded chart's substream, skipped whole
  Bytes stray;
  b.cellHeader(stray, 0, 0);
  f64(stray, 99);
  b.record(0x0203, stray);
  b.eof();
  b.eof();

  b.patchOffset(chart);
  b.bof(0x0020);
  b.eof();

  b.patchOffset(data);
  b.bof(0x0010);
  Bytes lbl;
  b.cellHeader(lbl, 0, 0);
  u16(lbl, 2);
  lbl.push_back(1);
  u16(lbl, u'\u00C4');
  u16(lbl, u'x');
  b.record(0x0204, lbl);  // A1 = "Äx" as a LABEL
  Bytes rk;
  b.cellHeader(rk, 1, 0);
  u32(rk, (1234u << 2) | 0x3);  // integer 1234, divided by 100
  b.record(0x027E, rk);         // A2 = 12.34
  Bytes mulrk;
  u16(mulrk, 2);
  u16(mulrk, 1);
  u16(mulrk, 15);
  u32(mulrk, (7u << 2) | 0x2);  // B3 = 7
  u16(mulrk, 15);
  u32(mulrk, 0x3FF80000u);  // C3 = 1.5 as the high bits of a double
  u16(mulrk, 2);
  b.record(0x00BD, mulrk);
  Bytes sstCell;
  b.cellHeader(sstCell, 3, 0);
  u32(sstCell, 2);
  b.record(0x00FD, sstCell);  // A4 = "Tag"
  b.eof();

  const TemplateBook book = BiffWorkbookReader(b.stream).read();
  ASSERT_EQ(book.sheets.size(), 2u);
  EXPECT_EQ(book.sheets[0].name, "Notes");
  EXPECT_EQ(book.sheets[1].name, "Data");
  EXPECT_FALSE(book.sheets[1].visible);
  EXPECT_EQ(book.activeSheet, 1u);

  const auto& notes = book.sheets[0];
  ASSERT_EQ(notes.cells.size(), 3u);
  EXPECT_EQ(notes.cells[0].row, 3u);
  EXPECT_EQ(notes.cells[0].column, 3u);
  EXPECT_EQ(std::get<std::string>(notes.cells[0].value), "Date");
  EXPECT_EQ(std::get<std::string>(notes.cells[1].value), "D\xC3\xA9j\xC3\xA0 vu");
  EXPECT_EQ(std::get<double>(notes.cells[2].value), 1.5);
  ASSERT_EQ(notes.columns.size(), 1u);
  EXPECT_EQ(notes.columns[0].first, 7u);
  EXPECT_EQ(notes.columns[0].last, 8u);
  EXPECT_TRUE(notes.columns[0].hidden);
  EXPECT_DOUBLE_EQ(notes.columns[0].width, 20.0);

  const auto& cells = book.sheets[1].cells;
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(std::get<std::string>(cells[0].value), "\xC3\x84x");
  EXPECT_DOUBLE_EQ(std::get<double>(cells[1].value), 12.34);
  EXPECT_EQ(cells[2].column, 2u);
  EXPECT_EQ(std::get<double>(cells[2].value), 7.0);
  EXPECT_EQ(cells[3].column, 3u);
  EXPECT_EQ(std::get<double>(cells[3].value), 1.5);
  EXPECT_EQ(std::get<std::string>(cells[4].value), "Tag");
}

// The look a template gives: fonts, number formats, alignment, borders and fills (with a
// palette of the file's own), styled blanks, rows, columns, frozen rows, the selected cell,
// page setup and the rows repeated on every page.
TEST(BiffWorkbookReader, ReadsStylesViewAndPageSetup) {
  StreamBuilder b;
  b.bof(0x0005);
  auto font = [&](unsigned twips, unsigned weight, unsigned color, const std::string& name) {
    Bytes d;
    u16(d, twips);
    u16(d, 0x0002);  // italic
    u16(d, color);
    u16(d, weight);
    u16(d, 0);
    d.push_back(0x01);  // single underline
    d.push_back(0);
    d.push_back(0);
    d.push_back(0);
    d.push_back(static_cast<std::uint8_t>(name.size()));
    d.push_back(0);
    latin1(d, name);
    b.record(0x0031, d);
  };
  for (int i = 0; i < 4; ++i) font(200, 400, 0x7FFF, "Arial");
  font(280, 700, 10, "Georgia");  // font number 5: number 4 does not exist
  Bytes format;
  u16(format, 164);
  u16(format, 4);
  format.push_back(0);
  latin1(format, "0.00");
  b.record(0x041E, format);
  auto xf = [&](unsigned fontIndex, unsigned formatIndex, std::uint8_t alignment,
                std::uint32_t lines, std::uint32_t more, unsigned fill) {
    Bytes d;
    u16(d, fontIndex);
    u16(d, formatIndex);
    u16(d, 0x0001);  // locked
    d.push_back(alignment);
    d.push_back(0);  // no rotation
    d.push_back(2);  // indent
    d.push_back(0);
    u32(d, lines);
    u32(d, more);
    u16(d, fill);
    b.record(0x00E0, d);
  };
  for (int i = 0; i < 16; ++i) xf(0, 0, 0x20, 0, 0, 0x20C0);  // style XFs, then the default
  // XF 16: font 5, "0.00", centred at the top with wrapping, a thin bottom line in colour 12
  // (blue) and a solid fill in colour 10 (given its own RGB by the palette).
  xf(5, 164, 0x02 | 0x08 | 0x00, 0x1000, (12u << 7) | (1u << 26), 10);
  xf(0, 14, 0x20, 0, 0, 0x20C0);  // XF 17: the built-in date format
  Bytes palette;
  u16(palette, 56);
  for (int i = 0; i < 56; ++i)  // colour 10: #123456, colour 12: #0000FF (bytes R, G, B, 0)
    u32(palette, i == 2 ? 0x00563412u : i == 4 ? 0x00FF0000u : 0u);
  b.record(0x0092, palette);
  const std::size_t offset = b.boundSheet("Report", 0);
  Bytes name;
  u16(name, 0x0020);  // built-in
  name.push_back(0);
  name.push_back(1);
  u16(name, 11);  // formula size
  u16(name, 0);
  u16(name, 1);  // the first sheet
  for (int i = 0; i < 4; ++i) name.push_back(0);
  name.push_back(0);
  name.push_back(0x07);  // Print_Titles
  name.push_back(0x3B);  // ptgArea3d: rows 3 to 3, all columns
  u16(name, 0);
  u16(name, 2);
  u16(name, 2);
  u16(name, 0);
  u16(name, 0xFF);
  b.record(0x0018, name);
  b.eof();

  b.patchOffset(offset);
  b.bof(0x0010);
  b.record(0x0081, {0x00, 0x01});  // WSBOOL: fit to pages
  Bytes setup(34, 0);
  setup[0] = 1;     // Letter
  setup[2] = 100;   // scale
  setup[6] = 1;     // one page wide
  setup[8] = 0;     // as many down as needed
  setup[10] = 0x0;  // landscape, paper and scale given
  b.record(0x00A1, setup);
  Bytes header;
  u16(header, 9);
  header.push_back(0);
  latin1(header, "&CReport!");
  b.record(0x0014, header);
  Bytes margin;
  f64(margin, 0.5);
  b.record(0x0026, margin);
  b.record(0x0083, {1, 0});  // centred across the page
  Bytes colinfo;
  u16(colinfo, 2);
  u16(colinfo, 2);
  u16(colinfo, 22 * 256);
  u16(colinfo, 17);  // column C in the date format
  u16(colinfo, 0);
  u16(colinfo, 0);
  b.record(0x007D, colinfo);
  b.record(0x0225, {0, 0, 0xFF, 0});  // default height 255 twips
  auto row = [&](unsigned r, unsigned twips, std::uint32_t flags) {
    Bytes d;
    u16(d, r);
    u16(d, 0);
    u16(d, 1);
    u16(d, twips);
    u32(d, 0);
    u32(d, flags);
    b.record(0x0208, d);
  };
  row(0, 400, 0x0100 | (15u << 16));                // taller than the default
  row(1, 255, 0x0100 | 0x80 | (16u << 16));         // styled
  row(2, 255, 0x0100 | 0x40 | 0x20 | (15u << 16));  // hidden, height set by hand
  Bytes label;
  u16(label, 0);
  u16(label, 0);
  u16(label, 16);
  u16(label, 5);
  label.push_back(0);
  latin1(label, "Title");
  b.record(0x0204, label);
  Bytes blank;
  u16(blank, 0);
  u16(blank, 1);
  u16(blank, 16);
  b.record(0x0201, blank);
  Bytes mulblank;
  u16(mulblank, 1);
  u16(mulblank, 2);
  u16(mulblank, 16);
  u16(mulblank, 15);
  u16(mulblank, 3);
  b.record(0x00BE, mulblank);
  Bytes window(18, 0);
  window[0] = 0x06 | 0x08;  // gridlines, headings, frozen
  window[12] = 150;         // zoom
  b.record(0x023E, window);
  b.record(0x0041, {0, 0, 3, 0, 3, 0, 0, 0, 2, 0});  // three rows frozen, bottom pane active
  Bytes selection;
  selection.push_back(2);
  u16(selection, 3);
  u16(selection, 2);
  for (int i = 0; i < 10; ++i) selection.push_back(0);
  b.record(0x001D, selection);
  b.eof();

  const TemplateBook book = BiffWorkbookReader(b.stream).read();
  ASSERT_EQ(book.styles.size(), 18u);
  EXPECT_EQ(book.defaultStyle, 15u);
  EXPECT_EQ(book.styles[15].font.name, "Arial");
  EXPECT_EQ(book.styles[15].numberFormat, "General");
  const CellStyle& s = book.styles[16];
  EXPECT_EQ(s.font.name, "Georgia");
  EXPECT_DOUBLE_EQ(s.font.size, 14);
  EXPECT_TRUE(s.font.bold && s.font.italic);
  EXPECT_EQ(s.font.underline, 1);
  EXPECT_EQ(s.font.color, StyleColor::of(0x123456));
  EXPECT_EQ(s.numberFormat, "0.00");
  EXPECT_EQ(s.horizontal, CellStyle::kCenter);
  EXPECT_EQ(s.vertical, CellStyle::kTop);
  EXPECT_TRUE(s.wrap);
  EXPECT_EQ(s.indent, 2);
  EXPECT_EQ(s.bottom.style, 1);
  EXPECT_EQ(s.bottom.color, StyleColor::of(0x0000FF));
  EXPECT_EQ(s.left.style, 0);
  EXPECT_EQ(s.pattern, 1);
  EXPECT_EQ(s.patternColor, StyleColor::of(0x123456));
  EXPECT_EQ(book.styles[17].numberFormat, "m/d/yy");

  const TemplateSheet& sheet = book.sheets.at(0);
  ASSERT_EQ(sheet.cells.size(), 4u);
  EXPECT_EQ(std::get<std::string>(sheet.cells[0].value), "Title");
  EXPECT_EQ(sheet.cells[0].style, 16u);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.cells[1].value));
  EXPECT_EQ(sheet.cells[1].column, 2u);
  EXPECT_EQ(sheet.cells[3].row, 2u);
  EXPECT_EQ(sheet.cells[3].column, 4u);
  EXPECT_EQ(sheet.cells[3].style, 15u);
  ASSERT_EQ(sheet.columns.size(), 1u);
  EXPECT_EQ(sheet.columns[0].style, 17u);
  ASSERT_EQ(sheet.rows.size(), 3u);
  EXPECT_DOUBLE_EQ(sheet.rows[0].height, 20);
  EXPECT_FALSE(sheet.rows[0].styled);
  EXPECT_TRUE(sheet.rows[1].styled);
  EXPECT_EQ(sheet.rows[1].style, 16u);
  EXPECT_DOUBLE_EQ(sheet.rows[1].height, 0);
  EXPECT_TRUE(sheet.rows[2].hidden);
  EXPECT_DOUBLE_EQ(sheet.rows[2].height, 12.75);

  const SheetSettings& settings = sheet.settings;
  EXPECT_EQ(settings.frozenRows, 3);
  EXPECT_EQ(settings.frozenColumns, 0);
  EXPECT_EQ(settings.zoom, 150);
  EXPECT_EQ(sheet.activeRow, 4u);
  EXPECT_EQ(sheet.activeColumn, 3u);
  EXPECT_TRUE(settings.landscape);
  EXPECT_EQ(settings.paperSize, 1);
  EXPECT_TRUE(settings.fitToPages);
  EXPECT_EQ(settings.fitWidth, 1);
  EXPECT_EQ(settings.fitHeight, 0);
  EXPECT_EQ(settings.header, "&CReport!");
  EXPECT_DOUBLE_EQ(settings.marginLeft, 0.5);
  EXPECT_TRUE(settings.centerHorizontally);
  EXPECT_EQ(settings.titleRowFirst, 3);
  EXPECT_EQ(settings.titleRowLast, 3);
  EXPECT_EQ(settings.titleColumnFirst, 0);
}

TEST(BiffWorkbookReader, RejectsWhatIsNotBiff8) {
  StreamBuilder older;
  older.bof(0x0005, 0x0500);  // BIFF5, Excel 95
  older.eof();
  EXPECT_THROW(BiffWorkbookReader(older.stream).read(), FormatError);

  StreamBuilder noSheets;
  noSheets.bof(0x0005);
  noSheets.eof();
  EXPECT_THROW(BiffWorkbookReader(noSheets.stream).read(), FormatError);

  StreamBuilder badIndex;
  badIndex.bof(0x0005);
  const std::size_t at = badIndex.boundSheet("S", 0);
  badIndex.eof();
  badIndex.patchOffset(at);
  badIndex.bof(0x0010);
  Bytes cell;
  badIndex.cellHeader(cell, 0, 0);
  u32(cell, 5);  // there is no shared string table at all
  badIndex.record(0x00FD, cell);
  badIndex.eof();
  EXPECT_THROW(BiffWorkbookReader(badIndex.stream).read(), FormatError);

  StreamBuilder truncated;
  truncated.bof(0x0005);
  truncated.stream.resize(truncated.stream.size() - 3);
  EXPECT_THROW(BiffWorkbookReader(truncated.stream).read(), FormatError);
}

}  // namespace
}  // namespace qh::sim::xls
