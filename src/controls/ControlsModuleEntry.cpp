// The exports of libQuillhourControls.so: the control library registers its one control
// class and creates it when the host asks for its ProgID, as an ActiveX control library does.
#include <cstring>

#include "controls/ControlsIdentity.h"
#include "controls/ControlsRegistration.h"
#include "controls/PaneForm.h"
#include "platform/ModuleAbi.h"

QH_MODULE_EXPORT qh::Object* QhCreateObject(const char* progId, qh::platform::System* system) {
  using namespace qh::controls;
  if (!progId || !system) return nullptr;
  if (std::strcmp(progId, kPaneProgId) != 0 && std::strcmp(progId, kPaneClassId) != 0)
    return nullptr;
  return new InspectorPane(*system);
}

QH_MODULE_EXPORT int QhRegisterServer(qh::platform::System* system, const char* modulePath) {
  if (!system || !modulePath) return 1;
  return static_cast<int>(qh::controls::RegisterControls(*system, modulePath));
}

QH_MODULE_EXPORT int QhUnregisterServer(qh::platform::System* system) {
  if (!system) return 1;
  qh::controls::UnregisterControls(*system);
  return 0;
}
