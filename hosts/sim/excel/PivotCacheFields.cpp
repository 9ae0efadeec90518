#include "hosts/sim/excel/PivotCacheFields.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "hosts/sim/excel/TextFold.h"
#include "hosts/sim/excel/Utf8.h"

namespace qh::sim {
namespace {

constexpr std::size_t kShortTextLimit = 255;

bool onAxis(const PivotSpec& layout, int field) {
  for (const auto* list : {&layout.rowFields, &layout.columnFields, &layout.pageFields})
    if (std::find(list->begin(), list->end(), field) != list->end()) return true;
  return false;
}

}  // namespace

PivotCacheFields::PivotCacheFields(const PivotSource& source, const PivotSpec& layout)
    : fields_(source.fieldNames.size()) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    Field& f = fields_[i];
    const int field = static_cast<int>(i);
    for (const auto& record : source.records) note(f, record[i]);
    f.shared = onAxis(layout, field);
    if (f.shared) shareItems(f, source, i);
  }
}

// Groups the records' values into items, the groups numbered in Excel's order of items:
// numbers (dates and booleans among them) sorted by value, then texts, which compare without
// regard to case, then the blank. Items are numbered in the order first met. A field has few
// distinct texts and repeats them exactly: a text is looked up by its bytes first, and only a
// new spelling is compared without regard to case.
void PivotCacheFields::shareItems(Field& f, const PivotSource& source, std::size_t field) {
  struct TextLess {
    bool operator()(const CellValue* a, const CellValue* b) const {
      return PivotReport::itemLess(*a, *b);
    }
  };
  const auto& records = source.records;
  std::vector<std::pair<double, std::uint32_t>> numbers;             // value, record
  std::map<const CellValue*, std::uint32_t, TextLess> texts;         // each text's number
  std::unordered_map<std::string_view, std::uint32_t> spellings;     // spelling -> text's number
  std::vector<std::uint32_t> textFirst;                              // by text: first record
  std::vector<std::pair<std::uint32_t, std::uint32_t>> textRecords;  // record, text
  std::vector<std::uint32_t> blanks;
  for (std::uint32_t r = 0; r < records.size(); ++r) {
    const CellValue& v = records[r][field];
    switch (PivotReport::itemRank(v)) {
      case PivotReport::kNumberRank:
        numbers.emplace_back(v.number + 0.0, r);  // -0 is 0
        break;
      case PivotReport::kTextRank: {
        auto spelling = spellings.find(v.text);
        if (spelling == spellings.end()) {
          const auto [text, added] =
              texts.try_emplace(&v, static_cast<std::uint32_t>(textFirst.size()));
          if (added) textFirst.push_back(r);
          spelling = spellings.emplace(v.text, text->second).first;
        }
        textRecords.emplace_back(r, spelling->second);
        break;
      }
      case PivotReport::kBlankRank:
        blanks.push_back(r);
        break;
    }
  }
  std::sort(numbers.begin(), numbers.end());

  std::vector<std::uint32_t> groupOf(records.size());
  std::vector<std::uint32_t> firstRecord;  // by group
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i == 0 || numbers[i].first != numbers[i - 1].first)
      firstRecord.push_back(numbers[i].second);
    groupOf[numbers[i].second] = static_cast<std::uint32_t>(firstRecord.size() - 1);
  }
  std::vector<std::uint32_t> textGroup(textFirst.size());
  for (const auto& [text, number] : texts) {
    textGroup[number] = static_cast<std::uint32_t>(firstRecord.size());
    firstRecord.push_back(textFirst[number]);
  }
  for (const auto& [r, text] : textRecords) groupOf[r] = textGroup[text];
  if (!blanks.empty()) {
    for (std::uint32_t r : blanks) groupOf[r] = static_cast<std::uint32_t>(firstRecord.size());
    firstRecord.push_back(blanks.front());
  }

  std::vector<std::uint32_t> byFirstMet(firstRecord.size());
  std::iota(byFirstMet.begin(), byFirstMet.end(), 0u);
  std::sort(byFirstMet.begin(), byFirstMet.end(),
            [&](std::uint32_t a, std::uint32_t b) { return firstRecord[a] < firstRecord[b]; });
  f.sortedItems.resize(firstRecord.size());
  f.positions.resize(firstRecord.size());
  f.items.resize(firstRecord.size());
  for (std::uint32_t item = 0; item < byFirstMet.size(); ++item) {
    const std::uint32_t group = byFirstMet[item];
    f.items[item] = &records[firstRecord[group]][field];
    f.positions[item] = group;
    f.sortedItems[group] = item;
  }
  f.recordItems.resize(records.size());
  for (std::uint32_t r = 0; r < records.size(); ++r) f.recordItems[r] = f.sortedItems[groupOf[r]];
}

void PivotCacheFields::note(Field& f, const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty:
      f.blank = true;
      return;
    case CellValue::Kind::Number:
      f.minNumber = f.number ? std::min(f.minNumber, v.number) : v.number;
      f.maxNumber = f.number ? std::max(f.maxNumber, v.number) : v.number;
      f.number = true;
      f.integers = f.integers && v.number == std::floor(v.number);
      return;
    case CellValue::Kind::Date:
      f.minDate = f.date ? std::min(f.minDate, v.number) : v.number;
      f.maxDate = f.date ? std::max(f.maxDate, v.number) : v.number;
      f.date = true;
      return;
    case CellValue::Kind::Boolean:
      f.boolean = true;
      return;
    case CellValue::Kind::Text:
    case CellValue::Kind::Formula:
      f.text = true;
      f.longText = f.longText || utf8Length(v.text) > kShortTextLimit;
      return;
  }
}

std::uint32_t PivotCacheFields::position(std::size_t record, int field) const {
  const Field& f = fields_[static_cast<std::size_t>(field)];
  return f.positions[f.recordItems[record]];
}

int PivotCacheFields::positionOf(int field, const std::string& name) const {
  const Field& f = fields_[static_cast<std::size_t>(field)];
  for (std::size_t i = 0; i < f.items.size(); ++i)
    if (equalFolded(PivotReport::itemName(*f.items[i]), name))
      return static_cast<int>(f.positions[i]);
  return -1;
}

}  // namespace qh::sim
