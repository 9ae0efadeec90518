#include "core/Registration.h"

#include <string>

#include "core/AddinIdentity.h"

namespace qh::core {
namespace {

using platform::RegistryRoot;

std::string dword(unsigned value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i)
    bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

const std::string kClassesKey = "Software\\Classes\\";

}  // namespace

long RegisterAddin(platform::System& system, const std::string& modulePath) {
  const std::string clsidKey = kClassesKey + "CLSID\\" + kClassId;
  const std::string addinKey = std::string(kOutlookAddinsKey) + "\\" + kProgId;
  const struct {
    std::string key, name;
    std::uint32_t type;
    std::string data;
  } values[] = {
      {clsidKey, "", platform::kRegSz, kClassName},
      {clsidKey + "\\InprocServer32", "", platform::kRegSz, modulePath},
      {clsidKey + "\\InprocServer32", "ThreadingModel", platform::kRegSz, "Apartment"},
      {clsidKey + "\\ProgID", "", platform::kRegSz, kProgId},
      {kClassesKey + kProgId, "", platform::kRegSz, kClassName},
      {kClassesKey + kProgId + "\\CLSID", "", platform::kRegSz, kClassId},
      {addinKey, "FriendlyName", platform::kRegSz, kFriendlyName},
      {addinKey, "Description", platform::kRegSz, kDescription},
      {addinKey, "LoadBehavior", platform::kRegDword, dword(kLoadBehavior)},
  };
  for (const auto& v : values) {
    if (long rc = system.regSetValue(RegistryRoot::CurrentUser, v.key, v.name, v.type, v.data))
      return rc;
  }
  return platform::kRegSuccess;
}

long UnregisterAddin(platform::System& system) {
  long result = platform::kRegSuccess;
  for (const std::string& key : {std::string(kOutlookAddinsKey) + "\\" + kProgId,
                                 kClassesKey + kProgId, kClassesKey + "CLSID\\" + kClassId}) {
    const long rc = system.regDeleteTree(RegistryRoot::CurrentUser, key);
    if (rc != platform::kRegSuccess && rc != platform::kRegFileNotFound) result = rc;
  }
  return result;
}

}  // namespace qh::core
