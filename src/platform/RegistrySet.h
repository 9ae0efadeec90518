#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/System.h"

namespace qh::platform {

// One value a module's registration writes under the current user's hive ("" names a key's
// default value; a kRegDword's data is four bytes, low byte first).
struct RegistryEntry {
  std::string key;
  std::string name;
  std::uint32_t type;
  std::string data;
};

// What a module registers for the current user: the values it writes, and the keys that are
// wholly its own, which go with everything below them when it is unregistered. The one list
// serves the module's own registration and the installer package alike, so the two cannot
// write different values.
struct RegistrySet {
  std::vector<RegistryEntry> values;
  std::vector<std::string> ownKeys;
};

// A kRegDword's data.
inline std::string dwordData(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

// Writes every value; answers 0, or the status of the first write that failed.
inline long writeRegistrySet(System& system, const RegistrySet& set) {
  for (const RegistryEntry& v : set.values)
    if (long rc = system.regSetValue(RegistryRoot::CurrentUser, v.key, v.name, v.type, v.data))
      return rc;
  return kRegSuccess;
}

// Removes every own key; one that is not there is no failure. Answers 0, or the status of a
// removal that failed (the others are still tried).
inline long removeRegistrySet(System& system, const RegistrySet& set) {
  long result = kRegSuccess;
  for (const std::string& key : set.ownKeys) {
    const long rc = system.regDeleteTree(RegistryRoot::CurrentUser, key);
    if (rc != kRegSuccess && rc != kRegFileNotFound) result = rc;
  }
  return result;
}

}  // namespace qh::platform
