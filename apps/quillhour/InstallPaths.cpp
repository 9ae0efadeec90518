#include "apps/quillhour/InstallPaths.h"

#include <cstdlib>

namespace qh::app {
namespace {

std::string fromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

}  // namespace

std::string moduleDir() {
  return fromEnvironment("QH_MODULE_DIR", QH_DEFAULT_MODULE_DIR);
}

std::string examplesDir() {
  return fromEnvironment("QH_EXAMPLES_DIR", QH_DEFAULT_EXAMPLES_DIR);
}

}  // namespace qh::app
