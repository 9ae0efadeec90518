#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/excel/WorkbookFileWriter.h"
#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::app {

// What an exported workbook holds, as the program reports it: the Times written to its data
// sheet (the sheet "Quillhour", else the first worksheet) from row 4 on, with the durations
// of column E added up in all and per tag (column F). The durations are in the workbook's
// unit: hours, or minutes for an export in minutes.
struct WorkbookSummary {
  struct TagTotal {
    std::string tag;
    int times = 0;
    double duration = 0;
  };
  std::filesystem::path path;
  int times = 0;
  double duration = 0;
  std::vector<TagTotal> perTag;  // by tag, in byte order
};

WorkbookSummary summarize(const sim::WorkbookSnapshot& workbook);

// The workbooks handed over in one session, in order.
using WorkbookLedger = std::vector<WorkbookSummary>;

// Writes as the build's writer does, and records a summary of each workbook it wrote.
class SummarizingWorkbookWriter : public sim::WorkbookFileWriter {
 public:
  SummarizingWorkbookWriter(std::unique_ptr<sim::WorkbookFileWriter> writer,
                            std::shared_ptr<WorkbookLedger> ledger)
      : writer_(std::move(writer)), ledger_(std::move(ledger)) {}

  void write(const sim::WorkbookSnapshot& workbook, const std::filesystem::path& path) override;
  const char* extension() const override { return writer_->extension(); }

 private:
  std::unique_ptr<sim::WorkbookFileWriter> writer_;
  std::shared_ptr<WorkbookLedger> ledger_;
};

}  // namespace qh::app
