#include "hosts/sim/system/ModuleLoader.h"

#include <dlfcn.h>

#include <algorithm>

#include "automation/Error.h"
#include "hosts/sim/system/LocalPath.h"

namespace qh::sim {

ModuleLoader::~ModuleLoader() {
  for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) dlclose(it->second);
}

bool ModuleLoader::isLoaded(const std::string& path) const {
  return std::any_of(modules_.begin(), modules_.end(),
                     [&](const auto& m) { return m.first == path; });
}

void* ModuleLoader::handle(const std::string& path) {
  for (const auto& [loadedPath, handle] : modules_)
    if (loadedPath == path) return handle;
  void* handle = dlopen(toLocalPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound), why ? why : "File not found");
  }
  modules_.emplace_back(path, handle);
  return handle;
}

void* ModuleLoader::symbol(const std::string& path, const char* name) {
  void* module = handle(path);
  dlerror();
  return dlsym(module, name);
}

}  // namespace qh::sim
