#pragma once

#include <cstdint>
#include <string>

namespace qh::about {

// Opens a target (document, address, mail link) with the program registered for it, through
// the shell's "open"; answers the shell's result, which callers ignore.
std::int32_t ShellOpen(const std::string& target, std::int32_t showCommand);

}  // namespace qh::about
