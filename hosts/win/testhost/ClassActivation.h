#pragma once

#include <windows.h>

#include <string>

#include "hosts/win/automation/ComPtr.h"

namespace qh::sim {
class SimRegistry;
}

namespace qh::win {

// COM activation of an in-process class, with the simulated registry as the registry of
// record. A class is looked up there (ProgID -> CLSID -> InprocServer32); when it names the
// server Wine's classes name, CoCreateInstance makes the object. When a test has taken the
// class away or pointed it elsewhere, the activation fails, or loads the other module, as COM
// would with that registry; Wine's own registry, which other test programs share, is left
// alone. Failures raise COM's errors: "Invalid class string" for an unknown ProgID, "Class not
// registered" for a class without a server, and the loader's for a module that is not there.
class ClassActivation {
 public:
  explicit ClassActivation(const sim::SimRegistry& registry);

  // A new object of the class (a ProgID or "{CLSID}"), asked for iid.
  ComPtr<IUnknown> create(const std::string& classId, REFIID iid) const;

 private:
  const sim::SimRegistry& registry_;
};

}  // namespace qh::win
