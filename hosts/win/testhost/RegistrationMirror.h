#pragma once

#include <string>

#include "platform/System.h"

namespace qh::win {

// regsvr32 for the test host. What a module registers for the current user is mirrored
// into the machine's classes, where Wine's COM looks (it reads no per-user classes), and into
// the simulated registry, where the simulated Outlook finds its add-ins. The Wine registry is
// shared by the test programs that run side by side: each registration and its mirroring is
// one step under a lock they all take, and the machine's classes are only ever added to, so
// that no program takes away what another is about to use.
class RegistrationMirror {
 public:
  // The simulated system receives the mirror; it must outlive this object.
  explicit RegistrationMirror(platform::System& simulated);

  // regsvr32; answers its exit code.
  int install(const std::string& modulePath);
  // regsvr32 /u; what the module removed goes from the simulated registry too.
  int uninstall(const std::string& modulePath);

 private:
  platform::System& simulated_;
};

}  // namespace qh::win
