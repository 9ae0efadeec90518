#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/System.h"

namespace qh::win {

// The values of one registry key and every key below it, read from the Windows registry, to
// be written elsewhere: the test host mirrors what a module registered for the current user
// into the machine's classes (Wine's COM reads only HKEY_CLASSES_ROOT, which under Wine is
// HKEY_LOCAL_MACHINE\Software\Classes alone) and into the simulated system's registry. Keys
// without values are left out, since only values can be written through platform::System.
class RegistryTree {
 public:
  struct Value {
    std::string key;   // below the tree's root, "" for the root itself
    std::string name;  // "" for the default value
    std::uint32_t type;
    std::string data;  // text in UTF-8 for the string types, else the bytes
  };

  // An absent key reads as an empty tree.
  static RegistryTree read(HKEY root, const std::wstring& path);

  const std::vector<Value>& values() const noexcept { return values_; }
  // The keys that hold values, below the root ("" for the root), parents before children.
  std::vector<std::string> keys() const;
  // Writes every value below root\path; answers the first failure's result, or 0.
  long writeTo(platform::System& system, platform::RegistryRoot root,
               const std::string& path) const;

 private:
  void readKey(HKEY key, const std::string& relative);

  std::vector<Value> values_;
};

}  // namespace qh::win
