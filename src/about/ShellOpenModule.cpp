#include "about/ShellOpenModule.h"

#include "core/Globals.h"

namespace qh::about {

std::int32_t ShellOpen(const std::string& target, std::int32_t showCommand) {
  return core::addinSystem().shellOpen(target, showCommand);
}

}  // namespace qh::about
