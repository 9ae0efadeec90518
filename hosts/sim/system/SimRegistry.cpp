#include "hosts/sim/system/SimRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace qh::sim {

using platform::RegistryKey;
using platform::RegistryRoot;

struct SimRegistry::Node {
  std::string name;
  std::map<std::string, std::unique_ptr<Node>> children;        // by lower-case name
  std::map<std::string, std::pair<std::string, Value>> values;  // lower-case -> (name, value)
};

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The parts of a key path; empty parts (doubled or outer backslashes) are skipped.
std::vector<std::string> splitPath(const std::string& path, bool lowerCase) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) {
      std::string part = path.substr(start, end - start);
      parts.push_back(lowerCase ? lower(part) : part);
    }
    start = end + 1;
  }
  return parts;
}

const std::vector<std::string> kClassesPrefix = {"software", "classes"};

}  // namespace

SimRegistry::SimRegistry()
    : currentUser_(std::make_unique<Node>()), localMachine_(std::make_unique<Node>()) {}

SimRegistry::~SimRegistry() = default;

SimRegistry::Node* SimRegistry::rootNode(RegistryRoot root) const {
  return root == RegistryRoot::LocalMachine ? localMachine_.get() : currentUser_.get();
}

SimRegistry::Node* SimRegistry::find(const Location& where) const {
  Node* node = rootNode(where.root);
  for (const std::string& part : where.parts) {
    auto it = node->children.find(part);
    if (it == node->children.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

SimRegistry::Location SimRegistry::locate(RegistryRoot root, const std::string& subKey) const {
  std::vector<std::string> parts = splitPath(subKey, true);
  if (root != RegistryRoot::ClassesRoot) return {root, std::move(parts)};
  // The merged view: a key present for the user wins; otherwise the machine's (which is also
  // where Windows writes a key that the user does not have).
  parts.insert(parts.begin(), kClassesPrefix.begin(), kClassesPrefix.end());
  Location user{RegistryRoot::CurrentUser, parts};
  if (find(user)) return user;
  return {RegistryRoot::LocalMachine, std::move(parts)};
}

long SimRegistry::openKey(RegistryRoot root, const std::string& subKey, RegistryKey& key) {
  Location where = locate(root, subKey);
  if (!find(where)) return platform::kRegFileNotFound;
  key = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(key, std::move(where));
  return platform::kRegSuccess;
}

long SimRegistry::queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                             std::uint8_t* data, std::uint32_t& size) const {
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return kInvalidHandle;
  const Node* node = find(handle->second);
  if (!node) return kKeyDeleted;
  auto it = node->values.find(lower(name));
  if (it == node->values.end()) return platform::kRegFileNotFound;
  const Value& value = it->second.second;
  type = value.type;
  const auto needed = static_cast<std::uint32_t>(value.bytes.size());
  if (!data) {
    size = needed;
    return platform::kRegSuccess;
  }
  if (size < needed) {
    size = needed;
    return platform::kRegMoreData;
  }
  std::memcpy(data, value.bytes.data(), needed);
  size = needed;
  return platform::kRegSuccess;
}

long SimRegistry::closeKey(RegistryKey key) {
  return handles_.erase(key) ? platform::kRegSuccess : kInvalidHandle;
}

long SimRegistry::setValue(RegistryRoot root, const std::string& subKey, const std::string& name,
                           std::uint32_t type, const std::string& data) {
  Value value{type, data};
  switch (type) {
    case platform::kRegSz:
    case platform::kRegExpandSz:
      value.bytes.push_back('\0');
      break;
    case platform::kRegMultiSz:
      value.bytes.append(2, '\0');
      break;
    case platform::kRegDword:
      if (data.size() != 4) return kInvalidParameter;
      break;
    default:
      break;
  }
  setRaw(root, subKey, name, std::move(value));
  return platform::kRegSuccess;
}

void SimRegistry::setRaw(RegistryRoot root, const std::string& subKey, const std::string& name,
                         Value value) {
  // Create the path keeping the caller's spelling of each new key.
  const Location where = locate(root, subKey);
  const std::vector<std::string> spelled = splitPath(subKey, false);
  const size_t offset = where.parts.size() - spelled.size();
  Node* node = rootNode(where.root);
  for (size_t i = 0; i < where.parts.size(); ++i) {
    auto& child = node->children[where.parts[i]];
    if (!child) {
      child = std::make_unique<Node>();
      child->name = i < offset ? kClassesPrefix[i] : spelled[i - offset];
    }
    node = child.get();
  }
  node->values[lower(name)] = {name, std::move(value)};
}

long SimRegistry::deleteTree(RegistryRoot root, const std::string& subKey) {
  const Location where = locate(root, subKey);
  if (where.parts.empty()) {
    Node* node = rootNode(where.root);
    node->children.clear();
    node->values.clear();
    return platform::kRegSuccess;
  }
  Location parentPlace{where.root, {where.parts.begin(), where.parts.end() - 1}};
  Node* parent = find(parentPlace);
  if (!parent || !parent->children.erase(where.parts.back())) return platform::kRegFileNotFound;
  return platform::kRegSuccess;
}

void SimRegistry::setString(RegistryRoot root, const std::string& subKey, const std::string& name,
                            const std::string& text) {
  setValue(root, subKey, name, platform::kRegSz, text);
}

void SimRegistry::setDword(RegistryRoot root, const std::string& subKey, const std::string& name,
                           std::uint32_t value) {
  std::string bytes(4, '\0');
  for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  setValue(root, subKey, name, platform::kRegDword, bytes);
}

bool SimRegistry::keyExists(RegistryRoot root, const std::string& subKey) const {
  return find(locate(root, subKey)) != nullptr;
}

const SimRegistry::Value* SimRegistry::findValue(RegistryRoot root, const std::string& subKey,
                                                 const std::string& name) const {
  const Node* node = find(locate(root, subKey));
  if (!node) return nullptr;
  auto it = node->values.find(lower(name));
  return it == node->values.end() ? nullptr : &it->second.second;
}

std::optional<SimRegistry::Value> SimRegistry::value(RegistryRoot root, const std::string& subKey,
                                                     const std::string& name) const {
  const Value* v = findValue(root, subKey, name);
  return v ? std::optional<Value>(*v) : std::nullopt;
}

std::optional<std::string> SimRegistry::stringValue(RegistryRoot root, const std::string& subKey,
                                                    const std::string& name) const {
  const Value* v = findValue(root, subKey, name);
  if (!v || (v->type != platform::kRegSz && v->type != platform::kRegExpandSz)) return std::nullopt;
  std::string text = v->bytes;
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::optional<std::uint32_t> SimRegistry::dwordValue(RegistryRoot root, const std::string& subKey,
                                                     const std::string& name) const {
  const Value* v = findValue(root, subKey, name);
  if (!v || v->type != platform::kRegDword || v->bytes.size() != 4) return std::nullopt;
  std::uint32_t out = 0;
  for (size_t i = 0; i < 4; ++i)
    out |= static_cast<std::uint32_t>(static_cast<unsigned char>(v->bytes[i])) << (8 * i);
  return out;
}

std::vector<std::string> SimRegistry::subKeyNames(RegistryRoot root,
                                                  const std::string& subKey) const {
  std::vector<std::string> names;
  if (const Node* node = find(locate(root, subKey)))
    for (const auto& [key, child] : node->children) names.push_back(child->name);
  return names;
}

}  // namespace qh::sim
