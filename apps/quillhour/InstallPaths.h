#pragma once

#include <string>

// Where the program finds what the build installed beside it. Each has a default fixed at
// build time and can be moved by an environment variable.
namespace qh::app {

// The add-in's modules and the workbook template (QH_MODULE_DIR).
std::string moduleDir();
// The example calendar and script of the demo (QH_EXAMPLES_DIR).
std::string examplesDir();

}  // namespace qh::app
