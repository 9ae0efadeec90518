#include "hosts/sim/outlook/AddinLoader.h"

#include <algorithm>
#include <filesystem>

#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/LocalPath.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::sim::outlook {
namespace {

using platform::RegistryRoot;

constexpr std::uint32_t kLoadAtStartup = 3;  // loaded, and loaded at every start
constexpr std::uint32_t kDisabled = 2;       // what Office writes after a failed load
constexpr int kConnectModeStartup = 1;       // ext_cm_Startup
constexpr int kRemoveModeHostShutdown = 0;   // ext_dm_HostShutdown
constexpr int kRemoveModeUserClosed = 1;     // ext_dm_UserClosed

std::string addinKey(const std::string& progId) {
  return std::string(AddinLoader::kAddinsKey) + "\\" + progId;
}

}  // namespace

AddinLoader::AddinLoader(SimSystem& system, SimOutlook& outlook)
    : AddinLoader(system, outlook, Options()) {}

AddinLoader::AddinLoader(SimSystem& system, SimOutlook& outlook, Options options)
    : system_(system),
      outlook_(outlook),
      options_(std::move(options)),
      ownActivation_(options_.activation ? nullptr : makeServerActivation(system)),
      activation_(options_.activation ? *options_.activation : *ownActivation_) {}

AddinLoader::~AddinLoader() {
  std::vector<Connected> remaining = std::move(connected_);
  connected_.clear();
  for (Connected& addin : remaining) release(addin);
}

bool AddinLoader::registerModule(const std::string& modulePath) {
  EventFailures& failures = outlook_.application().failures();
  return failures.call("QhRegisterServer", [&] {
    if (const int rc = activation_.registerServer(modulePath); rc != 0)
      throw Error(rc, "the module answered " + std::to_string(rc));
  });
}

std::vector<std::string> AddinLoader::startupAddins() const {
  std::vector<std::string> out;
  const SimRegistry& registry = system_.registry();
  for (const std::string& progId : registry.subKeyNames(RegistryRoot::CurrentUser, kAddinsKey)) {
    const auto behavior =
        registry.dwordValue(RegistryRoot::CurrentUser, addinKey(progId), "LoadBehavior");
    if (behavior && (*behavior & kLoadAtStartup) == kLoadAtStartup) out.push_back(progId);
  }
  return out;
}

Ref<Object> AddinLoader::load(const std::string& progId) {
  try {
    // GetModuleFileName of the add-in's module names the folder the add-in reads files from.
    if (system_.moduleFolder().empty())
      if (const auto path = system_.serverPath(progId))
        system_.setModuleFolder(std::filesystem::path(toLocalPath(*path)).parent_path().string());
    return activation_.createAddin(progId);
  } catch (...) {
    outlook_.application().failures().record("Load " + progId, describeCurrentException());
    return nullptr;
  }
}

void AddinLoader::disable(const std::string& progId) {
  system_.registry().setDword(RegistryRoot::CurrentUser, addinKey(progId), "LoadBehavior",
                              kDisabled);
}

void AddinLoader::connect() {
  EventFailures& failures = outlook_.application().failures();
  const SimRegistry& registry = system_.registry();
  for (const std::string& progId : startupAddins()) {
    if (addin(progId)) continue;
    Ref<Object> object = load(progId);
    if (!object) {
      disable(progId);
      continue;
    }
    auto instance = makeRef<ComAddIn>(
        progId,
        registry.stringValue(RegistryRoot::ClassesRoot, progId + "\\CLSID", "").value_or(""),
        registry.stringValue(RegistryRoot::CurrentUser, addinKey(progId), "Description")
            .value_or(""));
    Args args{Variant(outlook_.applicationObject()), Variant(kConnectModeStartup),
              Variant(Ref<Object>(instance)), options_.custom};
    if (!failures.call("OnConnection",
                       [&] { object->invoke("OnConnection", CallKind::Call, args); })) {
      object.reset();
      disable(progId);
      continue;
    }
    instance->setConnected(true);
    connected_.push_back({progId, object, instance});
    if (options_.taskPaneFactory) {
      Args factory{Variant(options_.taskPaneFactory)};
      failures.call("CTPFactoryAvailable",
                    [&] { object->invoke("CTPFactoryAvailable", CallKind::Call, factory); });
    }
  }
}

bool AddinLoader::callAll(const char* member, const Args& args) {
  EventFailures& failures = outlook_.application().failures();
  bool all = true;
  const std::vector<Connected> snapshot = connected_;
  for (const Connected& addin : snapshot) {
    Args copy = args;
    all &= failures.call(member, [&] { addin.object->invoke(member, CallKind::Call, copy); });
  }
  return all;
}

void AddinLoader::startupComplete() {
  callAll("OnStartupComplete", {options_.custom});
}

void AddinLoader::beginShutdown() {
  callAll("OnBeginShutdown", {options_.custom});
}

void AddinLoader::disconnect() {
  callAll("OnDisconnection", {Variant(kRemoveModeHostShutdown), options_.custom});
  std::vector<Connected> released = std::move(connected_);
  connected_.clear();
  for (Connected& addin : released) release(addin);
}

bool AddinLoader::unload(const std::string& progId) {
  auto it = std::find_if(connected_.begin(), connected_.end(),
                         [&](const Connected& c) { return c.progId == progId; });
  if (it == connected_.end()) return false;
  Connected addin = std::move(*it);
  connected_.erase(it);
  Args args{Variant(kRemoveModeUserClosed), options_.custom};
  outlook_.application().failures().call(
      "OnDisconnection", [&] { addin.object->invoke("OnDisconnection", CallKind::Call, args); });
  release(addin);
  return true;
}

void AddinLoader::release(Connected& addin) {
  addin.instance->setConnected(false);
  addin.object.reset();  // the add-in object's own end (Terminate) runs here
}

Ref<Object> AddinLoader::addin(const std::string& progId) const {
  for (const Connected& c : connected_)
    if (memberNameEquals(c.progId, progId)) return c.object;
  return nullptr;
}

std::vector<std::string> AddinLoader::connectedAddins() const {
  std::vector<std::string> out;
  for (const Connected& c : connected_) out.push_back(c.progId);
  return out;
}

}  // namespace qh::sim::outlook
