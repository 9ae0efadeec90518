#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hosts/sim/excel/PivotReport.h"

namespace qh::sim {

// What a pivot cache records of each source field, as the file format wants it: which kinds
// of values the field holds and their range, and, for a field a table shows on an axis or
// as a page field, its items. Items are the field's distinct values (values that differ only
// in letter case are one item, named as first met) in the order first met; records refer to
// them by index. A table lists a field's items in Excel's sorted order, by position.
class PivotCacheFields {
 public:
  struct Field {
    bool blank = false, text = false, number = false, date = false, boolean = false;
    bool integers = true;   // every number is whole
    bool longText = false;  // a text longer than the 255 characters older readers keep
    double minNumber = 0, maxNumber = 0, minDate = 0, maxDate = 0;
    bool shared = false;
    std::vector<const CellValue*> items;     // shared fields: each item's first value
    std::vector<std::uint32_t> recordItems;  // shared fields: each record's item
    std::vector<std::uint32_t> sortedItems;  // shared fields: item indices in sorted order
    std::vector<std::uint32_t> positions;    // shared fields: each item's place in that order
  };

  // Analyses the source; the layout tells which fields share their items.
  PivotCacheFields(const PivotSource& source, const PivotSpec& layout);

  const std::vector<Field>& fields() const { return fields_; }
  // The place (in the table's sorted order) of the item a record shows in `field`.
  std::uint32_t position(std::size_t record, int field) const;
  // The place of the item named `name` in `field`, or -1.
  int positionOf(int field, const std::string& name) const;

 private:
  static void note(Field& f, const CellValue& v);
  static void shareItems(Field& f, const PivotSource& source, std::size_t field);

  std::vector<Field> fields_;
};

}  // namespace qh::sim
