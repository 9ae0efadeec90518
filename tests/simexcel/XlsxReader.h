#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qh::sim {

// What a test checks in a written .xlsx file, read back with libzip and expat.
struct XlsxLook {
  std::string font;  // "Arial 14 bold"
  std::string numberFormat;
};

// A pivot table with its cache, as its parts describe them.
struct XlsxPivot {
  std::string name;
  std::string location;           // "A3:B9"
  std::vector<std::string> axes;  // per field: "axisRow", "axisPage", ... or ""
  std::vector<int> itemCounts;    // per field: the items the table lists
  int rowItems = 0;               // the rows it shows, grand total included
  std::vector<std::string> dataFields;
  std::string sourceSheet, sourceRef;
  std::vector<std::string> fieldNames;
  std::vector<std::vector<std::string>> sharedItems;  // per field, each item's value
  int recordCount = 0;                                // as the definition states it
  std::vector<std::vector<std::string>> records;      // each record's values, items resolved
};

struct XlsxSheet {
  std::string name;
  bool isChart = false;
  std::map<std::string, std::string> values;    // "C4" -> its value as text
  std::map<std::string, std::string> formulas;  // "C4" -> its formula, without "="
  std::map<std::string, XlsxLook> looks;        // "C4" -> its font and number format
  std::set<int> hiddenColumns;                  // from 1
  std::vector<XlsxPivot> pivots;
};

struct XlsxBook {
  std::vector<XlsxSheet> sheets;  // in tab order
  int activeTab = 0;
  std::vector<std::string> chartReferences;    // every range a chart refers to
  std::vector<std::string> chartTypes;         // "c:barChart", ...
  std::vector<std::string> chartPivotSources;  // the tables pivot charts name

  const XlsxSheet& sheet(const std::string& name) const;
};

// Raises std::runtime_error when the file or one of its parts cannot be read.
XlsxBook readXlsx(const std::filesystem::path& path);

}  // namespace qh::sim
