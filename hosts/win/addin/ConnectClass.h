#pragma once

#include <windows.h>

#include <OfficeAddin.h>

#include <memory>

#include "automation/Ref.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/server/DualDispatch.h"
#include "hosts/win/server/ServerModule.h"

namespace qh::core {
class Connect;
}

namespace qh::win {

// The add-in's COM class Connect, as Outlook creates it by its ProgID "Quillhour.Connect":
// the dual interfaces _IDTExtensibility2 (its IDispatch is the object's), IRibbonExtensibility
// and ICustomTaskPaneConsumer, described by the embedded type library. It holds no logic:
// every vtable method hands its call to the add-in's Connect, with Outlook's and Office's
// objects wrapped as automation objects, and every failure goes back as the method's HRESULT
// with its description as error info (ISupportErrorInfo); the IDispatch of each interface
// reaches the add-in's Connect by member name (DualDispatch), the object's own IDispatch also
// its members beyond the interfaces. The add-in's Connect ends with
// the COM object, which runs the add-in's Terminate.
class ConnectClass final : public DualDispatch<_IDTExtensibility2>,
                           public DualDispatch<IRibbonExtensibility>,
                           public DualDispatch<ICustomTaskPaneConsumer>,
                           public ISupportErrorInfo {
 public:
  // A new object with its first reference; raises when the module's parts cannot be made.
  static ComPtr<IUnknown> create();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode mode,
                                         IDispatch* addInInst,
                                         SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode mode,
                                            SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) noexcept override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) noexcept override;

  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept override;

  HRESULT STDMETHODCALLTYPE CTPFactoryAvailable(ICTPFactory* factory) noexcept override;

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

 protected:
  Object& automationObject() noexcept override;

 private:
  ConnectClass(ServerModule& module, std::shared_ptr<ObjectBridge> bridge);
  ~ConnectClass() override;

  // Runs one call of an interface, turning what it raises into the call's answer.
  template <class Call>
  HRESULT guarded(REFIID iid, Call call) noexcept;

  ModuleReference moduleReference_;
  std::shared_ptr<ObjectBridge> bridge_;
  Ref<core::Connect> connect_;
  ULONG refs_ = 0;
};

}  // namespace qh::win
