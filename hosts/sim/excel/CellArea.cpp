#include "hosts/sim/excel/CellArea.h"

#include <cctype>

namespace qh::sim {
namespace {

bool readNumber(std::string_view& s, int& out) {
  std::size_t n = 0;
  long long value = 0;
  while (n < s.size() && std::isdigit(static_cast<unsigned char>(s[n])) && n < 8)
    value = value * 10 + (s[n++] - '0');
  if (n == 0 || value == 0) return false;
  out = static_cast<int>(value);
  s.remove_prefix(n);
  return true;
}

bool readLetters(std::string_view& s, int& out) {
  std::size_t n = 0;
  long long value = 0;
  while (n < s.size() && std::isalpha(static_cast<unsigned char>(s[n])) && n < 4)
    value = value * 26 + (std::toupper(static_cast<unsigned char>(s[n++])) - 'A' + 1);
  if (n == 0) return false;
  out = static_cast<int>(value);
  s.remove_prefix(n);
  return true;
}

void skipDollar(std::string_view& s) {
  if (!s.empty() && s.front() == '$') s.remove_prefix(1);
}

// One end of an A1 reference: a cell, a whole column or a whole row.
struct A1Part {
  int row = 0;     // 0 when the part names a whole column
  int column = 0;  // 0 when the part names a whole row
};

std::optional<A1Part> parseA1Part(std::string_view s) {
  A1Part part;
  skipDollar(s);
  if (readLetters(s, part.column)) skipDollar(s);
  if (!s.empty() && !readNumber(s, part.row)) return std::nullopt;
  if (!s.empty() || (part.row == 0 && part.column == 0)) return std::nullopt;
  return part;
}

std::optional<CellArea> parseR1C1Part(std::string_view s) {
  int row = 0, column = 0;
  if (s.empty() || std::toupper(static_cast<unsigned char>(s.front())) != 'R') return std::nullopt;
  s.remove_prefix(1);
  if (!readNumber(s, row)) return std::nullopt;
  if (s.empty() || std::toupper(static_cast<unsigned char>(s.front())) != 'C') return std::nullopt;
  s.remove_prefix(1);
  if (!readNumber(s, column) || !s.empty()) return std::nullopt;
  return CellArea::cell(row, column);
}

CellArea normalized(CellArea a) {
  if (a.top > a.bottom) std::swap(a.top, a.bottom);
  if (a.left > a.right) std::swap(a.left, a.right);
  return a;
}

}  // namespace

std::optional<CellArea> CellArea::parseA1(std::string_view text) {
  const std::size_t colon = text.find(':');
  const auto first = parseA1Part(text.substr(0, colon));
  const auto last = colon == std::string_view::npos ? first : parseA1Part(text.substr(colon + 1));
  if (!first || !last) return std::nullopt;
  // Both ends must be of one kind: cells, whole columns or whole rows.
  if ((first->row == 0) != (last->row == 0) || (first->column == 0) != (last->column == 0))
    return std::nullopt;
  CellArea area;
  if (first->row == 0)
    area = columns(first->column, last->column);
  else if (first->column == 0)
    area = rows(first->row, last->row);
  else
    area = {first->row, first->column, last->row, last->column};
  area = normalized(area);
  if (!area.valid()) return std::nullopt;
  return area;
}

std::optional<CellArea> CellArea::parseR1C1(std::string_view text) {
  const std::size_t colon = text.find(':');
  const auto first = parseR1C1Part(text.substr(0, colon));
  const auto last = colon == std::string_view::npos ? first : parseR1C1Part(text.substr(colon + 1));
  if (!first || !last) return std::nullopt;
  const CellArea area = normalized({first->top, first->left, last->top, last->left});
  if (!area.valid()) return std::nullopt;
  return area;
}

bool CellArea::valid() const {
  return top >= 1 && left >= 1 && bottom <= kMaxRow && right <= kMaxColumn && top <= bottom &&
         left <= right;
}

bool CellArea::contains(int row, int column) const {
  return row >= top && row <= bottom && column >= left && column <= right;
}

bool CellArea::contains(const CellArea& o) const {
  return contains(o.top, o.left) && contains(o.bottom, o.right);
}

long long CellArea::cellCount() const {
  return static_cast<long long>(bottom - top + 1) * (right - left + 1);
}

std::string CellArea::address() const {
  // Built by appending: GCC 12 warns (-Wrestrict) on "$" + a temporary string.
  std::string out;
  auto column = [&out](int c) { out.append("$").append(columnLetters(c)); };
  auto row = [&out](int r) { out.append("$").append(std::to_string(r)); };
  if (isEntireColumns()) {
    column(left);
    out.append(":");
    column(right);
  } else if (isEntireRows()) {
    row(top);
    out.append(":");
    row(bottom);
  } else {
    column(left);
    row(top);
    if (top != bottom || left != right) {
      out.append(":");
      column(right);
      row(bottom);
    }
  }
  return out;
}

std::optional<SheetReference> SheetReference::parse(std::string_view text) {
  SheetReference ref;
  const std::size_t bang = text.rfind('!');
  if (bang != std::string_view::npos) {
    std::string_view sheet = text.substr(0, bang);
    if (sheet.size() >= 2 && sheet.front() == '\'' && sheet.back() == '\'') {
      sheet = sheet.substr(1, sheet.size() - 2);
      for (std::size_t i = 0; i < sheet.size(); ++i) {
        ref.sheet += sheet[i];
        if (sheet[i] == '\'' && i + 1 < sheet.size() && sheet[i + 1] == '\'') ++i;  // '' is '
      }
    } else {
      ref.sheet = std::string(sheet);
    }
    if (ref.sheet.empty()) return std::nullopt;
    text = text.substr(bang + 1);
  }
  auto area = CellArea::parseR1C1(text);
  if (!area) area = CellArea::parseA1(text);
  if (!area) return std::nullopt;
  ref.area = *area;
  return ref;
}

std::string columnLetters(int column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  return letters;
}

}  // namespace qh::sim
