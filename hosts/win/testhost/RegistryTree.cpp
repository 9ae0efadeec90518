#include "hosts/win/testhost/RegistryTree.h"

#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

bool isText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string dataOf(DWORD type, const std::vector<BYTE>& bytes, DWORD size) {
  if (!isText(type)) return std::string(reinterpret_cast<const char*>(bytes.data()), size);
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();  // the stored terminator
  return narrow(text);
}

std::string joined(const std::string& parent, const std::wstring& child) {
  return parent.empty() ? narrow(child) : parent + "\\" + narrow(child);
}

}  // namespace

RegistryTree RegistryTree::read(HKEY root, const std::wstring& path) {
  RegistryTree tree;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return tree;
  tree.readKey(key, "");
  RegCloseKey(key);
  return tree;
}

void RegistryTree::readKey(HKEY key, const std::string& relative) {
  DWORD subKeys = 0, longestSubKey = 0, valueCount = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr,
                       &valueCount, &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  for (DWORD i = 0; i < valueCount; ++i) {
    std::wstring name(longestName + 1, L'\0');
    DWORD nameLength = longestName + 1;
    std::vector<BYTE> data(longestData + sizeof(wchar_t));
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = REG_NONE;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      continue;
    name.resize(nameLength);
    values_.push_back({relative, narrow(name), type, dataOf(type, data, size)});
  }
  for (DWORD i = 0; i < subKeys; ++i) {
    std::wstring name(longestSubKey + 1, L'\0');
    DWORD nameLength = longestSubKey + 1;
    if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      continue;
    name.resize(nameLength);
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    readKey(child, joined(relative, name));
    RegCloseKey(child);
  }
}

std::vector<std::string> RegistryTree::keys() const {
  std::set<std::string> keys;
  for (const Value& v : values_) keys.insert(v.key);
  return {keys.begin(), keys.end()};
}

long RegistryTree::writeTo(platform::System& system, platform::RegistryRoot root,
                           const std::string& path) const {
  for (const Value& v : values_) {
    const std::string key = v.key.empty() ? path : path + "\\" + v.key;
    if (const long rc = system.regSetValue(root, key, v.name, v.type, v.data)) return rc;
  }
  return ERROR_SUCCESS;
}

}  // namespace qh::win
