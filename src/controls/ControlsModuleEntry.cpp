// The exports of libQuillhourControls.so: the control library registers its one control
// class and creates it when the host asks for its ProgID, as an ActiveX control library does.
#include <cstring>
#include <string>

#include "controls/ControlsIdentity.h"
#include "controls/InspectorPane.h"
#include "platform/ModuleAbi.h"

namespace {

using qh::platform::RegistryRoot;

const std::string kClasses = "Software\\Classes\\";

}  // namespace

QH_MODULE_EXPORT qh::Object* QhCreateObject(const char* progId, qh::platform::System* system) {
  using namespace qh::controls;
  if (!progId || !system) return nullptr;
  if (std::strcmp(progId, kPaneProgId) != 0 && std::strcmp(progId, kPaneClassId) != 0)
    return nullptr;
  return new InspectorPane(*system);
}

QH_MODULE_EXPORT int QhRegisterServer(qh::platform::System* system, const char* modulePath) {
  using namespace qh::controls;
  if (!system || !modulePath) return 1;
  const std::string clsid = kClasses + "CLSID\\" + kPaneClassId;
  const struct {
    std::string key, name, data;
  } values[] = {
      {clsid, "", kPaneClassName},
      {clsid + "\\InprocServer32", "", modulePath},
      {clsid + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {clsid + "\\ProgID", "", kPaneProgId},
      {clsid + "\\Control", "", ""},
      {clsid + "\\TypeLib", "", kLibraryId},
      {kClasses + kPaneProgId, "", kPaneClassName},
      {kClasses + kPaneProgId + "\\CLSID", "", kPaneClassId},
  };
  for (const auto& v : values)
    if (long rc = system->regSetValue(RegistryRoot::CurrentUser, v.key, v.name,
                                      qh::platform::kRegSz, v.data))
      return static_cast<int>(rc);
  return 0;
}

QH_MODULE_EXPORT int QhUnregisterServer(qh::platform::System* system) {
  using namespace qh::controls;
  if (!system) return 1;
  system->regDeleteTree(RegistryRoot::CurrentUser, kClasses + kPaneProgId);
  system->regDeleteTree(RegistryRoot::CurrentUser, kClasses + "CLSID\\" + kPaneClassId);
  return 0;
}
