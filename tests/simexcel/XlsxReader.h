#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qh::sim {

// What a test checks in a written .xlsx file, read back with libzip and expat.
struct XlsxSheet {
  std::string name;
  bool isChart = false;
  std::map<std::string, std::string> values;    // "C4" -> its value as text
  std::map<std::string, std::string> formulas;  // "C4" -> its formula, without "="
  std::set<int> hiddenColumns;                  // from 1
};

struct XlsxBook {
  std::vector<XlsxSheet> sheets;  // in tab order
  int activeTab = 0;
  std::vector<std::string> chartReferences;  // every range a chart refers to
  std::vector<std::string> chartTypes;       // "c:barChart", ...

  const XlsxSheet& sheet(const std::string& name) const;
};

// Raises std::runtime_error when the file or one of its parts cannot be read.
XlsxBook readXlsx(const std::filesystem::path& path);

}  // namespace qh::sim
