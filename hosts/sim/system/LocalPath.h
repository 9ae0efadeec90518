#pragma once

#include <string>
#include <string_view>

namespace qh::sim {

// A path as the add-in writes it on Windows (the module folder joined with "\" and a file
// name) turned into one the local file system opens: every "\" becomes "/".
std::string toLocalPath(std::string_view path);

}  // namespace qh::sim
