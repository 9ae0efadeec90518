#pragma once

#include <cstdint>
#include <string>

#include "hosts/sim/excel/PivotCacheFields.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

// The three SpreadsheetML parts of one pivot table: its cache's definition (the source block
// and its fields with their shared items), the cache's records, and the table's definition
// (where it stands, its fields on their axes, the items it shows and its data fields). The
// table is written in tabular form with the values it shows already in its sheet's cells, so
// that a reader that does not refresh it sees the same numbers.
class PivotPartsXml {
 public:
  explicit PivotPartsXml(const PivotTableSnapshot& table);

  std::string cacheDefinition(const std::string& recordsRelationship) const;
  std::string cacheRecords() const;
  // hasChart: a pivot chart shows the table (its format number 0).
  std::string tableDefinition(std::uint32_t cacheId, bool hasChart) const;

 private:
  void appendPivotFields(std::string& out) const;
  void appendRowItems(std::string& out) const;
  void appendColumnItems(std::string& out) const;
  void appendPageFields(std::string& out) const;
  void appendDataFields(std::string& out) const;

  const PivotTableSnapshot& table_;
  const PivotSource& source_;
  const PivotSpec& layout_;
  PivotCacheFields fields_;
};

}  // namespace qh::sim
