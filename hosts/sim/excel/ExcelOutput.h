#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/excel/WorkbookFileWriter.h"

namespace qh::sim {

// What every simulated Excel of one host shares: the folder handed-over workbooks are
// written to, the counters behind Excel's workbook names (Book1, Quillhour1, Quillhour2, ...)
// and the record of the files written and of writes that failed. Names skip files that
// already exist in the folder, so a later run never overwrites an earlier export.
class ExcelOutput {
 public:
  // An empty folder means workbooks are named but never written.
  explicit ExcelOutput(std::filesystem::path folder,
                       std::unique_ptr<WorkbookFileWriter> writer = makeDefaultWorkbookWriter());

  const std::filesystem::path& folder() const { return folder_; }
  // The next name for a workbook made from `base` (a template's name, or "Book").
  std::string nextWorkbookName(const std::string& base);
  // Writes the workbook as <folder>/<name><extension>; a failure is recorded, not raised,
  // since making Excel visible never fails.
  void hand(const WorkbookSnapshot& workbook);

  const std::vector<std::filesystem::path>& writtenFiles() const { return written_; }
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<WorkbookFileWriter> writer_;
  std::map<std::string, int> counters_;
  std::vector<std::filesystem::path> written_;
  std::vector<std::string> failures_;
};

}  // namespace qh::sim
