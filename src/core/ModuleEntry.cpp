// The exports of libQuillhour.so, through which the simulated host loads the add-in as COM
// loads an in-process server.
#include <cstring>

#include "core/AddinIdentity.h"
#include "core/Connect.h"
#include "core/Globals.h"
#include "core/Registration.h"
#include "platform/ModuleAbi.h"

QH_MODULE_EXPORT qh::Object* QhCreateObject(const char* progId, qh::platform::System* system) {
  if (!progId || !system) return nullptr;
  if (std::strcmp(progId, qh::core::kProgId) != 0 && std::strcmp(progId, qh::core::kClassId) != 0)
    return nullptr;
  // A dialog that stayed loaded (the export dialog does, across connections) belongs to the
  // system it was made on: handed another system, as a second host in this process hands it,
  // the module starts afresh rather than show a dialog on a system that has gone.
  qh::core::AddinGlobals& globals = qh::core::globals();
  if (globals.system && globals.system != system) qh::core::resetGlobals();
  globals.system = system;
  return new qh::core::Connect();
}

QH_MODULE_EXPORT int QhRegisterServer(qh::platform::System* system, const char* modulePath) {
  if (!system || !modulePath) return 1;
  return static_cast<int>(qh::core::RegisterAddin(*system, modulePath));
}

QH_MODULE_EXPORT int QhUnregisterServer(qh::platform::System* system) {
  if (!system) return 1;
  return static_cast<int>(qh::core::UnregisterAddin(*system));
}
