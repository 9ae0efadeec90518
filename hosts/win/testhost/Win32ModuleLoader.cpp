// The simulated system's module loader in the Windows build: LoadLibrary standing in for
// itself. The COM road does not use it (COM loads the servers); it keeps the simulated
// system whole.
#include <windows.h>

#include <algorithm>

#include "automation/Error.h"
#include "hosts/sim/system/ModuleLoader.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"

namespace qh::sim {

ModuleLoader::~ModuleLoader() {
  for (auto it = modules_.rbegin(); it != modules_.rend(); ++it)
    FreeLibrary(static_cast<HMODULE>(it->second));
}

bool ModuleLoader::isLoaded(const std::string& path) const {
  return std::any_of(modules_.begin(), modules_.end(),
                     [&](const auto& m) { return m.first == path; });
}

void* ModuleLoader::handle(const std::string& path) {
  for (const auto& [loadedPath, handle] : modules_)
    if (loadedPath == path) return handle;
  HMODULE module = LoadLibraryW(win::widen(path).c_str());
  if (!module)
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound),
                win::systemMessage(HRESULT_FROM_WIN32(GetLastError())));
  modules_.emplace_back(path, module);
  return module;
}

void* ModuleLoader::symbol(const std::string& path, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle(path)), name));
}

}  // namespace qh::sim
