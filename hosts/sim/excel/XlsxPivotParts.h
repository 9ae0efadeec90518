#pragma once

#include <filesystem>

#include "hosts/sim/excel/WorkbookSnapshot.h"

namespace qh::sim {

// libxlsxwriter writes no pivot tables. This adds them to the package it wrote: for each
// table its cache definition and records and its table definition, with their relationships
// and content types and the workbook's list of caches; a chart built on a table becomes a
// pivot chart that names the table as its source. Failures raise std::runtime_error.
void addPivotParts(const std::filesystem::path& path, const WorkbookSnapshot& workbook);

}  // namespace qh::sim
