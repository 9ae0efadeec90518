#include "controls/ControlsRegistration.h"

#include "controls/ControlsIdentity.h"

namespace qh::controls {
namespace {

using platform::RegistryRoot;

const std::string kClasses = "Software\\Classes\\";

}  // namespace

long RegisterControls(platform::System& system, const std::string& modulePath) {
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
    if (long rc =
            system.regSetValue(RegistryRoot::CurrentUser, v.key, v.name, platform::kRegSz, v.data))
      return rc;
  return platform::kRegSuccess;
}

long UnregisterControls(platform::System& system) {
  long result = platform::kRegSuccess;
  for (const std::string& key : {kClasses + kPaneProgId, kClasses + "CLSID\\" + kPaneClassId}) {
    const long rc = system.regDeleteTree(RegistryRoot::CurrentUser, key);
    if (rc != platform::kRegSuccess && rc != platform::kRegFileNotFound) result = rc;
  }
  return result;
}

}  // namespace qh::controls
