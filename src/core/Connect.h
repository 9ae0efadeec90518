#pragma once

#include "automation/DispatchTable.h"
#include "automation/Object.h"

namespace qh::core {

// The add-in entry object Outlook connects to. It keeps no state: each connection event goes
// to one of the lifecycle procedures. Its members carry the names of the host's interfaces
// (IDTExtensibility2, IRibbonExtensibility, ICustomTaskPaneConsumer), so the Windows COM class
// and the simulated host reach the same code.
class Connect : public Object {
 public:
  Connect() = default;
  ~Connect() override;  // AddinInstance_Terminate

  void AddinInstance_OnConnection(const Variant& application);
  void AddinInstance_OnStartupComplete();
  void AddinInstance_OnBeginShutdown();
  void AddinInstance_OnDisconnection();
  std::string IRibbonExtensibility_GetCustomUI(const std::string& ribbonId);
  void ICustomTaskPaneConsumer_CTPFactoryAvailable(const Variant& factory);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Connect>& table();
};

}  // namespace qh::core
