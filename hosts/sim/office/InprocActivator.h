#pragma once

#include <functional>
#include <optional>
#include <string>

#include "automation/Object.h"
#include "platform/System.h"

namespace qh::sim {

// Creates an object of a registered in-process class the way CoCreateInstance does, from the
// registry of the simulated system, in its merged classes view (HKEY_CLASSES_ROOT, where the
// current user's Software\Classes wins over the machine's):
//   <ProgID>\CLSID                 -> {clsid}
//   CLSID\{clsid}\InprocServer32   -> the module's path
// The module is loaded and its exported QhCreateObject called with the ProgID and the system.
// A class id given as "{clsid}" skips the first step; its ProgID key names the class to the
// module.
//
// Failures raise COM's errors: an unknown ProgID "Invalid class string", a CLSID without a
// server "Class not registered", a module that cannot be loaded "The specified module could
// not be found.", a module without the export "The specified procedure could not be found.",
// and a module that does not serve the class "ClassFactory cannot supply requested class".
class InprocActivator {
 public:
  // Finds an export of a module, loading the module on first use (the host's module loader):
  // answers null when the module lacks the export and raises when it cannot be loaded. The
  // loader must keep its modules loaded until every object they made has ended.
  using SymbolLookup = std::function<void*(const std::string& modulePath, const char* name)>;

  // The system must outlive the activator; objects receive it as their system.
  InprocActivator(platform::System& system, SymbolLookup lookup);

  Ref<Object> create(const std::string& classId);

 private:
  // The default value of a key in the merged classes view, if the key and value are there.
  std::optional<std::string> classesValue(const std::string& subKey);

  platform::System& system_;
  SymbolLookup lookup_;
};

}  // namespace qh::sim
