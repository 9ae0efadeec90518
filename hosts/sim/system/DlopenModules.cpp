// The module loader's platform part on Linux: dlopen.
#include <dlfcn.h>

#include "automation/Error.h"
#include "hosts/sim/system/LocalPath.h"
#include "hosts/sim/system/ModuleLoader.h"

namespace qh::sim {

void* ModuleLoader::openModule(const std::string& path) {
  void* module = dlopen(toLocalPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    const char* why = dlerror();
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound), why ? why : "File not found");
  }
  return module;
}

void ModuleLoader::closeModule(void* module) {
  dlclose(module);
}

void* ModuleLoader::findSymbol(void* module, const char* name) {
  dlerror();
  return dlsym(module, name);
}

}  // namespace qh::sim
