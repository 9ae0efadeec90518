#include "hosts/win/testhost/RegistrationMirror.h"

#include <windows.h>

#include <algorithm>

#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/Win32System.h"
#include "hosts/win/testhost/RegistryTree.h"
#include "hosts/win/testhost/Regsvr32.h"

namespace qh::win {
namespace {

using platform::RegistryRoot;

constexpr const char* kClasses = "Software\\Classes";
constexpr const char* kOutlookAddins = "Software\\Microsoft\\Office\\Outlook\\Addins";

// Held while one program changes the registrations the others read.
class RegistrationLock {
 public:
  RegistrationLock() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\QuillhourTestRegistration")) {
    if (mutex_) WaitForSingleObject(mutex_, INFINITE);
  }
  RegistrationLock(const RegistrationLock&) = delete;
  RegistrationLock& operator=(const RegistrationLock&) = delete;
  ~RegistrationLock() {
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

// What the current user has registered of classes and Outlook add-ins.
struct Registered {
  RegistryTree classes = RegistryTree::read(HKEY_CURRENT_USER, widen(kClasses));
  RegistryTree addins = RegistryTree::read(HKEY_CURRENT_USER, widen(kOutlookAddins));
};

// Deletes the keys of `before` that `after` no longer has, below root\path.
void removeVanished(platform::System& system, RegistryRoot root, const std::string& path,
                    const RegistryTree& before, const RegistryTree& after) {
  const std::vector<std::string> kept = after.keys();
  for (const std::string& key : before.keys()) {
    if (key.empty() || std::find(kept.begin(), kept.end(), key) != kept.end()) continue;
    system.regDeleteTree(root, path + "\\" + key);  // a child of a deleted key is gone already
  }
}

}  // namespace

RegistrationMirror::RegistrationMirror(platform::System& simulated) : simulated_(simulated) {}

int RegistrationMirror::install(const std::string& modulePath) {
  const RegistrationLock lock;
  const int rc = runRegsvr32(modulePath);
  const Registered now;
  Win32System windows;
  now.classes.writeTo(windows, RegistryRoot::LocalMachine, kClasses);
  now.classes.writeTo(simulated_, RegistryRoot::CurrentUser, kClasses);
  now.addins.writeTo(simulated_, RegistryRoot::CurrentUser, kOutlookAddins);
  return rc;
}

int RegistrationMirror::uninstall(const std::string& modulePath) {
  const RegistrationLock lock;
  const Registered before;
  const int rc = runRegsvr32(modulePath, true);
  const Registered after;
  removeVanished(simulated_, RegistryRoot::CurrentUser, kClasses, before.classes, after.classes);
  removeVanished(simulated_, RegistryRoot::CurrentUser, kOutlookAddins, before.addins,
                 after.addins);
  return rc;
}

}  // namespace qh::win
