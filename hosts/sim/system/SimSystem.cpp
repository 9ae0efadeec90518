#include "hosts/sim/system/SimSystem.h"

#include <cctype>
#include <filesystem>

#include "automation/Error.h"
#include "automation/Object.h"
#include "hosts/sim/system/LocalPath.h"
#include "platform/ModuleAbi.h"

namespace qh::sim {
namespace {

using platform::RegistryRoot;

constexpr std::int32_t kCantCreateObject = 429;
constexpr const char* kCantCreateObjectText = "ActiveX component can't create object";

// The access rights that change a key: KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK,
// DELETE, WRITE_DAC and WRITE_OWNER.
constexpr std::uint32_t kChangeRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

// A target with a URL scheme ("http:", "mailto:") is no local file; a drive letter is no scheme.
bool hasScheme(const std::string& target) {
  const size_t colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i)
    if (!std::isalpha(static_cast<unsigned char>(target[i])) && target[i] != '+' &&
        target[i] != '-' && target[i] != '.')
      return false;
  return true;
}

}  // namespace

SimSystem::SimSystem() = default;

SimSystem::~SimSystem() {
  // Dialogs end while the rest of the system still stands; the modules that made them are
  // unloaded last, by the first member's destructor.
  forms_.clear();
}

void SimSystem::setLocale(Locale locale) {
  locale_ = SimLocale(locale);
  collation_ = TextCollation(locale_.name());
}

int SimSystem::messageBox(const std::string& text, const std::string& title,
                          platform::MessageButtons buttons, platform::MessageIcon icon) {
  messageBoxes_.push_back({text, title, buttons, icon});
  if (whileMessageBox_) whileMessageBox_(messageBoxes_.back());
  if (answers_.empty()) return platform::kAnswerOk;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

long SimSystem::regOpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t,
                           std::uint32_t access, platform::RegistryKey& key) {
  if (root == RegistryRoot::LocalMachine && (access & kChangeRights)) {
    key = 0;
    return kAccessDenied;
  }
  return registry_.openKey(root, subKey, key);
}

long SimSystem::regQueryValue(platform::RegistryKey key, const std::string& name,
                              std::uint32_t& type, std::uint8_t* data, std::uint32_t& size) {
  return registry_.queryValue(key, name, type, data, size);
}

long SimSystem::regCloseKey(platform::RegistryKey key) {
  return registry_.closeKey(key);
}

long SimSystem::regSetValue(RegistryRoot root, const std::string& subKey, const std::string& name,
                            std::uint32_t type, const std::string& data) {
  return registry_.setValue(root, subKey, name, type, data);
}

long SimSystem::regDeleteTree(RegistryRoot root, const std::string& subKey) {
  return registry_.deleteTree(root, subKey);
}

bool SimSystem::fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toLocalPath(path), ec);
}

void SimSystem::startProgram(const std::string& path, int windowState) {
  // Shell() raises "File not found" for a program that is not there.
  if (!fileExists(path)) throw Error(ErrorCode::FileNotFound);
  started_.push_back({path, windowState});
}

std::int32_t SimSystem::shellOpen(const std::string& target, int showCommand) {
  const std::int32_t result =
      !hasScheme(target) && !fileExists(target) ? kShellFileNotFound : kShellOpened;
  shellOpens_.push_back({target, showCommand, result});
  return result;
}

std::optional<std::string> SimSystem::serverPath(const std::string& progId) const {
  const std::optional<std::string> clsid =
      registry_.stringValue(RegistryRoot::ClassesRoot, progId + "\\CLSID", "");
  if (!clsid) return std::nullopt;
  return registry_.stringValue(RegistryRoot::ClassesRoot, "CLSID\\" + *clsid + "\\InprocServer32",
                               "");
}

Ref<Object> SimSystem::createObject(const std::string& progId) {
  lastActivationError_.clear();
  try {
    const std::optional<std::string> found = serverPath(progId);
    if (!found) throw Error(kCantCreateObject, "no in-process server is registered for " + progId);
    const std::string& path = *found;
    auto create = reinterpret_cast<QhCreateObjectFn>(modules_.symbol(path, kQhCreateObjectSymbol));
    if (!create) throw Error(kCantCreateObject, path + " exports no " + kQhCreateObjectSymbol);
    Ref<Object> object(create(progId.c_str(), this));
    if (!object) throw Error(kCantCreateObject, path + " does not serve " + progId);
    return object;
  } catch (const Error& e) {
    lastActivationError_ = e.description();
    throw Error(kCantCreateObject, kCantCreateObjectText);
  }
}

int SimSystem::registerServer(const std::string& modulePath) {
  auto registerFn =
      reinterpret_cast<QhRegisterServerFn>(modules_.symbol(modulePath, kQhRegisterServerSymbol));
  if (!registerFn)
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound),
                modulePath + " exports no " + kQhRegisterServerSymbol);
  return registerFn(this, modulePath.c_str());
}

}  // namespace qh::sim
