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
