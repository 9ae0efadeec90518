#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qh::sim {

// A rectangle of cells, rows and columns counted from 1 and inclusive, with the notations
// Excel reads and writes: "A3", "$A$3:$B$4", "G:G", "3:3" and, with a sheet in front,
// "'Quillhour'!R3C3:R6C6" or "Sheet1!A1".
struct CellArea {
  static constexpr int kMaxRow = 1048576;
  static constexpr int kMaxColumn = 16384;

  int top = 1, left = 1, bottom = 1, right = 1;

  static CellArea cell(int row, int column) { return {row, column, row, column}; }
  static CellArea columns(int first, int last) { return {1, first, kMaxRow, last}; }
  static CellArea rows(int first, int last) { return {first, 1, last, kMaxColumn}; }

  // "A3", "A3:B4", "G:G", "7:7" (dollar signs allowed); nullopt when it is none of these.
  static std::optional<CellArea> parseA1(std::string_view text);
  // "R3C3" or "R3C3:R6C6".
  static std::optional<CellArea> parseR1C1(std::string_view text);

  bool valid() const;
  bool contains(int row, int column) const;
  bool contains(const CellArea& other) const;
  bool isEntireColumns() const { return top == 1 && bottom == kMaxRow; }
  bool isEntireRows() const { return left == 1 && right == kMaxColumn; }
  long long cellCount() const;

  // "$A$3" or "$A$3:$B$4", as Range.Address answers.
  std::string address() const;

  friend bool operator==(const CellArea&, const CellArea&) = default;
};

// A reference that may name its sheet, as pivot sources and chart sources are written.
struct SheetReference {
  std::string sheet;  // empty when the text names none
  CellArea area;

  // "'Sheet name'!R3C3:R6C6", "Sheet1!A1:B2", or either notation without a sheet.
  static std::optional<SheetReference> parse(std::string_view text);
};

// "A", "Z", "AA", ... for a column number from 1.
std::string columnLetters(int column);

}  // namespace qh::sim
