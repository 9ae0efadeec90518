#include "core/Registration.h"

#include "core/AddinIdentity.h"

namespace qh::core {
namespace {

using platform::kRegDword;
using platform::kRegSz;

const std::string kClassesKey = "Software\\Classes\\";

}  // namespace

platform::RegistrySet addinRegistration(const std::string& modulePath) {
  const std::string clsidKey = kClassesKey + "CLSID\\" + kClassId;
  const std::string progIdKey = kClassesKey + kProgId;
  const std::string addinKey = std::string(kOutlookAddinsKey) + "\\" + kProgId;
  return {
      .values =
          {
              {clsidKey, "", kRegSz, kClassName},
              {clsidKey + "\\InprocServer32", "", kRegSz, modulePath},
              {clsidKey + "\\InprocServer32", "ThreadingModel", kRegSz, "Apartment"},
              {clsidKey + "\\ProgID", "", kRegSz, kProgId},
              {progIdKey, "", kRegSz, kClassName},
              {progIdKey + "\\CLSID", "", kRegSz, kClassId},
              {addinKey, "FriendlyName", kRegSz, kFriendlyName},
              {addinKey, "Description", kRegSz, kDescription},
              {addinKey, "LoadBehavior", kRegDword, platform::dwordData(kLoadBehavior)},
          },
      .ownKeys = {addinKey, progIdKey, clsidKey},
  };
}

long RegisterAddin(platform::System& system, const std::string& modulePath) {
  return platform::writeRegistrySet(system, addinRegistration(modulePath));
}

long UnregisterAddin(platform::System& system) {
  return platform::removeRegistrySet(system, addinRegistration(""));
}

}  // namespace qh::core
