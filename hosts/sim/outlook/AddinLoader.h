#pragma once

#include <memory>
#include <string>
#include <vector>

#include "automation/Object.h"
#include "hosts/sim/ServerActivation.h"
#include "hosts/sim/outlook/ComAddIn.h"

namespace qh::sim {
class SimSystem;
}

namespace qh::sim::outlook {

class SimOutlook;

// Loads and connects add-ins the way Outlook does at start-up. Every ProgID under
// HKCU\Software\Microsoft\Office\Outlook\Addins whose LoadBehavior is 3 is created by COM
// activation (HKCR\<ProgID>\CLSID -> CLSID\{clsid}\InprocServer32 -> the module's
// QhCreateObject, or real COM in the Windows test host; see ServerActivation) and driven
// through the connection events by name:
//   OnConnection(Application, 1 = ext_cm_Startup, AddInInst, custom)
//   CTPFactoryAvailable(factory), on a host with task panes, right after OnConnection
//   OnStartupComplete(custom)
//   ... OnBeginShutdown(custom), OnDisconnection(0 = ext_dm_HostShutdown, custom)
// after which the host releases the object. A user unloading one add-in gives it
// OnDisconnection(1 = ext_dm_UserClosed, custom) alone.
//
// A failing call is recorded in the host's event failures as "<call>: <description>".
// When loading or OnConnection fails, Office disables the add-in as it does: LoadBehavior
// becomes 2, the object is released and gets no further calls.
//
// Modules stay loaded until the SimSystem ends.
class AddinLoader {
 public:
  struct Options {
    // The custom() array of every call: Office passes an empty array; Variant::missing()
    // omits it.
    Variant custom = Variant(StringArray::of({}));
    // The task-pane factory of a host that offers task panes; empty for one that does not.
    Ref<Object> taskPaneFactory;
    // How modules are registered and add-ins created; null for this build's own way on the
    // loader's system. It must outlive the loader.
    ServerActivation* activation = nullptr;
  };

  static constexpr const char* kAddinsKey = "Software\\Microsoft\\Office\\Outlook\\Addins";

  AddinLoader(SimSystem& system, SimOutlook& outlook);
  AddinLoader(SimSystem& system, SimOutlook& outlook, Options options);
  AddinLoader(const AddinLoader&) = delete;
  AddinLoader& operator=(const AddinLoader&) = delete;
  // Releases add-ins still connected, without further calls (their objects' own end runs).
  ~AddinLoader();

  // regsvr32 for a module: it writes its registration; a failure is recorded.
  bool registerModule(const std::string& modulePath);
  // ProgIDs whose LoadBehavior is 3, in the registry's order.
  std::vector<std::string> startupAddins() const;

  void connect();
  void startupComplete();
  void beginShutdown();
  void disconnect();
  // The user unloads one add-in while the host keeps running; false when it is not connected.
  bool unload(const std::string& progId);
  void start() {
    connect();
    startupComplete();
  }
  void shutdown() {
    beginShutdown();
    disconnect();
  }

  // The connected add-in object, or an empty reference.
  Ref<Object> addin(const std::string& progId) const;
  std::vector<std::string> connectedAddins() const;

 private:
  struct Connected {
    std::string progId;
    Ref<Object> object;
    Ref<ComAddIn> instance;
  };

  Ref<Object> load(const std::string& progId);
  bool callAll(const char* member, const Args& args);
  void disable(const std::string& progId);
  void release(Connected& addin);

  SimSystem& system_;
  SimOutlook& outlook_;
  Options options_;
  std::unique_ptr<ServerActivation> ownActivation_;  // when the options name none
  ServerActivation& activation_;
  std::vector<Connected> connected_;
};

}  // namespace qh::sim::outlook
