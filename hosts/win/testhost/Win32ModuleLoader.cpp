// The module loader's platform part in the Windows build: LoadLibrary standing in for itself.
// The COM road does not use it (COM loads the servers); it keeps the simulated system whole.
#include <windows.h>

#include "automation/Error.h"
#include "hosts/sim/system/ModuleLoader.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"

namespace qh::sim {

void* ModuleLoader::openModule(const std::string& path) {
  HMODULE module = LoadLibraryW(win::widen(path).c_str());
  if (!module)
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound),
                win::systemMessage(HRESULT_FROM_WIN32(GetLastError())));
  return module;
}

void ModuleLoader::closeModule(void* module) {
  FreeLibrary(static_cast<HMODULE>(module));
}

void* ModuleLoader::findSymbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

}  // namespace qh::sim
