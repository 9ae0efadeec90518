#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/System.h"

namespace qh::sim {

// An in-memory registry with the Win32 semantics the add-in and the host rely on:
// - key and value names are matched without regard to case, and keep the case they were
//   created with; subkeys enumerate in alphabetical order;
// - HKEY_CLASSES_ROOT is the merged view of HKCU\Software\Classes over
//   HKLM\Software\Classes (the per-user entry wins);
// - values hold a type and raw bytes; strings are stored with their terminator, as
//   RegSetValueExA stores them when given the length plus one;
// - an open handle names a path; querying through it after its key was deleted answers
//   ERROR_KEY_DELETED, as Windows does.
class SimRegistry {
 public:
  struct Value {
    std::uint32_t type = platform::kRegNone;
    std::string bytes;
  };

  static constexpr long kInvalidHandle = 6;      // ERROR_INVALID_HANDLE
  static constexpr long kInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
  static constexpr long kKeyDeleted = 1018;      // ERROR_KEY_DELETED

  SimRegistry();
  ~SimRegistry();
  SimRegistry(const SimRegistry&) = delete;
  SimRegistry& operator=(const SimRegistry&) = delete;

  // RegOpenKeyExA: answers kRegFileNotFound when the key does not exist.
  long openKey(platform::RegistryRoot root, const std::string& subKey, platform::RegistryKey& key);
  // RegQueryValueExA: with data null, answers success and the size; with a buffer too small,
  // answers kRegMoreData and the size needed, writing nothing; otherwise copies the bytes.
  // The type is reported whenever the value exists.
  long queryValue(platform::RegistryKey key, const std::string& name, std::uint32_t& type,
                  std::uint8_t* data, std::uint32_t& size) const;
  long closeKey(platform::RegistryKey key);

  // The writes of platform::System::regSetValue: strings are given without their terminator,
  // a REG_DWORD as its four bytes, low byte first.
  long setValue(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                std::uint32_t type, const std::string& data);
  // RegDeleteTree: the key and everything below it; an empty subKey empties the root.
  long deleteTree(platform::RegistryRoot root, const std::string& subKey);

  // The host's own conveniences (what regedit or an installer would do).
  void setString(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                 const std::string& text);
  void setDword(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                std::uint32_t value);
  // Stores bytes exactly as given (a string without terminator, for instance).
  void setRaw(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
              Value value);
  bool keyExists(platform::RegistryRoot root, const std::string& subKey) const;
  std::optional<Value> value(platform::RegistryRoot root, const std::string& subKey,
                             const std::string& name) const;
  // A REG_SZ or REG_EXPAND_SZ value without its terminator.
  std::optional<std::string> stringValue(platform::RegistryRoot root, const std::string& subKey,
                                         const std::string& name) const;
  std::optional<std::uint32_t> dwordValue(platform::RegistryRoot root, const std::string& subKey,
                                          const std::string& name) const;
  std::vector<std::string> subKeyNames(platform::RegistryRoot root,
                                       const std::string& subKey) const;
  size_t openHandleCount() const { return handles_.size(); }

 private:
  struct Node;
  // A key's place: the concrete root (never ClassesRoot) and the path's lower-case parts.
  struct Location {
    platform::RegistryRoot root;
    std::vector<std::string> parts;
  };

  Node* rootNode(platform::RegistryRoot root) const;
  Node* find(const Location& where) const;
  // Where a key is, or would be created; ClassesRoot goes through the merged view.
  Location locate(platform::RegistryRoot root, const std::string& subKey) const;
  const Value* findValue(platform::RegistryRoot root, const std::string& subKey,
                         const std::string& name) const;

  std::unique_ptr<Node> currentUser_;
  std::unique_ptr<Node> localMachine_;
  std::map<platform::RegistryKey, Location> handles_;
  platform::RegistryKey nextHandle_ = 0x100;
};

}  // namespace qh::sim
