#pragma once

#include <string_view>

#include "automation/Object.h"

namespace qh::sim {

class SimObject;

// A test's view of every member call made on any simulated object, for sweeps that record a
// whole story's calls and then replay it with one call failing or answering Nothing. A tap is
// installed for a scope on the current thread (the host is single-threaded, as Outlook's user
// interface is); with none installed the objects behave as they always do.
class CallTap {
 public:
  virtual ~CallTap() = default;

  // Before a call: may raise to fail it, as the object itself would.
  virtual void before(SimObject& object, std::string_view name, CallKind kind,
                      const Args& args) = 0;
  // After a call that succeeded: may replace its result.
  virtual void after(SimObject& object, std::string_view name, CallKind kind, Variant& result) = 0;

  // The tap installed on this thread, or null.
  static CallTap* current();

  // Installs a tap for as long as it lives; the previous one comes back after.
  class Installed {
   public:
    explicit Installed(CallTap& tap);
    ~Installed();
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

   private:
    CallTap* previous_;
  };
};

}  // namespace qh::sim
