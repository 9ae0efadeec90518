#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qh::sim {

// The simulated system's loader of in-process servers (dlopen standing in for LoadLibrary;
// the Windows build brings LoadLibrary itself). Each build provides openModule, closeModule
// and findSymbol; the bookkeeping is shared.
// A module stays loaded until the loader ends: objects a module made may outlive every
// reference the host keeps to the module, so the owner of this loader must outlive them all.
class ModuleLoader {
 public:
  ModuleLoader() = default;
  ModuleLoader(const ModuleLoader&) = delete;
  ModuleLoader& operator=(const ModuleLoader&) = delete;
  ~ModuleLoader();  // unloads in the reverse order of loading

  // The address of an export of the module at path, loading the module on first use; null
  // when the module has no such export. Raises Error(FileNotFound) with the system loader's
  // message when the module cannot be loaded.
  void* symbol(const std::string& path, const char* name);
  bool isLoaded(const std::string& path) const;
  size_t loadedCount() const { return modules_.size(); }

 private:
  void* handle(const std::string& path);
  // The platform's loader. openModule raises Error(FileNotFound) with its message.
  static void* openModule(const std::string& path);
  static void closeModule(void* module);
  static void* findSymbol(void* module, const char* name);

  std::vector<std::pair<std::string, void*>> modules_;  // path as given, handle
};

}  // namespace qh::sim
