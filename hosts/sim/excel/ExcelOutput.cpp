#include "hosts/sim/excel/ExcelOutput.h"

#include <algorithm>
#include <exception>

namespace qh::sim {

ExcelOutput::ExcelOutput(std::filesystem::path folder, std::unique_ptr<WorkbookFileWriter> writer)
    : folder_(std::move(folder)), writer_(std::move(writer)) {}

std::string ExcelOutput::nextWorkbookName(const std::string& base) {
  int& counter = counters_[base];
  std::string name;
  std::error_code ec;
  do name = base + std::to_string(++counter);
  while (!folder_.empty() && writer_ &&
         std::filesystem::exists(folder_ / (name + writer_->extension()), ec));
  return name;
}

void ExcelOutput::hand(const WorkbookSnapshot& workbook) {
  if (folder_.empty() || !writer_) return;
  const std::filesystem::path path = folder_ / (workbook.name + writer_->extension());
  try {
    std::filesystem::create_directories(folder_);
    writer_->write(workbook, path);
    if (std::find(written_.begin(), written_.end(), path) == written_.end())
      written_.push_back(path);
  } catch (const std::exception& e) {
    failures_.push_back(path.string() + ": " + e.what());
  }
}

}  // namespace qh::sim
