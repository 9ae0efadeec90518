#include "hosts/sim/system/ModuleLoader.h"

#include <algorithm>

namespace qh::sim {

ModuleLoader::~ModuleLoader() {
  for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) closeModule(it->second);
}

bool ModuleLoader::isLoaded(const std::string& path) const {
  return std::any_of(modules_.begin(), modules_.end(),
                     [&](const auto& m) { return m.first == path; });
}

void* ModuleLoader::handle(const std::string& path) {
  for (const auto& [loadedPath, handle] : modules_)
    if (loadedPath == path) return handle;
  void* module = openModule(path);
  modules_.emplace_back(path, module);
  return module;
}

void* ModuleLoader::symbol(const std::string& path, const char* name) {
  return findSymbol(handle(path), name);
}

}  // namespace qh::sim
