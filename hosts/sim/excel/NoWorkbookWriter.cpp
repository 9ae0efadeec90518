// The writer of builds without libxlsxwriter (the Windows cross build): handing a workbook
// over records a failure instead of writing a file.
#include <stdexcept>

#include "hosts/sim/excel/WorkbookFileWriter.h"

namespace qh::sim {
namespace {

class NoWorkbookWriter : public WorkbookFileWriter {
 public:
  void write(const WorkbookSnapshot&, const std::filesystem::path&) override {
    throw std::runtime_error("this build has no .xlsx writer");
  }
  const char* extension() const override { return ".xlsx"; }
};

}  // namespace

std::unique_ptr<WorkbookFileWriter> makeDefaultWorkbookWriter() {
  return std::make_unique<NoWorkbookWriter>();
}

}  // namespace qh::sim
