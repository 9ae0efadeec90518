#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "automation/Object.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win {

// A COM add-in as the simulated Outlook drives it, by member name: each connection event
// goes to the interface that declares it, through that interface's own IDispatch, as a
// dual interface is called late-bound: OnConnection, OnDisconnection, OnAddInsUpdate,
// OnStartupComplete and OnBeginShutdown to _IDTExtensibility2, GetCustomUI to
// IRibbonExtensibility, CTPFactoryAvailable to ICustomTaskPaneConsumer. Other members go to
// the object's own IDispatch (what COMAddIn.Object answers). A failure raises the add-in's
// error with its description.
class OfficeAddinObject final : public Object {
 public:
  OfficeAddinObject(std::shared_ptr<ObjectBridge> bridge, ComPtr<IUnknown> addin);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;
  const void* identity() const noexcept override { return addin_.get(); }

 private:
  // The automation face of one of the add-in's interfaces; raises when it lacks it.
  Ref<Object> face(REFIID iid) const;

  std::shared_ptr<ObjectBridge> bridge_;
  ComPtr<IUnknown> addin_;
};

}  // namespace qh::win
