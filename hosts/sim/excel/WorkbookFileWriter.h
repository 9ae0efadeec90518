#pragma once

#include <filesystem>
#include <memory>

#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

// Writes a workbook to a file. The .xlsx writer needs a library that only some builds have,
// so the simulated Excel sees it through this interface. write raises std::runtime_error.
class WorkbookFileWriter {
 public:
  virtual ~WorkbookFileWriter() = default;
  virtual void write(const WorkbookSnapshot& workbook, const std::filesystem::path& path) = 0;
  // The extension of the files it writes, with its dot (".xlsx").
  virtual const char* extension() const = 0;
};

// The writer this build has: .xlsx through libxlsxwriter, or one that always fails.
std::unique_ptr<WorkbookFileWriter> makeDefaultWorkbookWriter();

}  // namespace qh::sim
