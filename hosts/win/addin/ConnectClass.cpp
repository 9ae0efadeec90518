#include "hosts/win/addin/ConnectClass.h"

#include "core/Connect.h"
#include "core/Globals.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ErrorInfo.h"

namespace qh::win {
namespace {

// An interface pointer Office hands over, as the automation object the add-in uses.
Variant objectArg(ObjectBridge& bridge, IDispatch* dispatch) {
  return Variant(bridge.objectFor(dispatch));
}

}  // namespace

ComPtr<IUnknown> ConnectClass::create() {
  ServerModule& module = ServerModule::instance();
  auto* made = new ConnectClass(module, module.bridge());
  return ComPtr<IUnknown>(static_cast<_IDTExtensibility2*>(made));
}

ConnectClass::ConnectClass(ServerModule& module, std::shared_ptr<ObjectBridge> bridge)
    // The object's IDispatch also reaches the add-in's other members (its tag list, for a
    // caller that got the object from COMAddIn.Object).
    : DualDispatch<_IDTExtensibility2>(module.typeInfo(IID__IDTExtensibility2), bridge, true),
      DualDispatch<IRibbonExtensibility>(module.typeInfo(IID_IRibbonExtensibility), bridge, false),
      DualDispatch<ICustomTaskPaneConsumer>(module.typeInfo(IID_ICustomTaskPaneConsumer), bridge,
                                            false),
      bridge_(std::move(bridge)) {
  core::globals().system = &module.system();
  connect_ = makeRef<core::Connect>();
}

ConnectClass::~ConnectClass() {
  connect_.reset();  // the add-in's Terminate, which never raises
}

template <class Call>
HRESULT ConnectClass::guarded(REFIID iid, Call call) noexcept {
  try {
    // The call may end Outlook's last reference to this object.
    const ComPtr<IUnknown> keepAlive(static_cast<_IDTExtensibility2*>(this));
    call();
    return S_OK;
  } catch (...) {
    return reportCurrentException(iid);
  }
}

Object& ConnectClass::automationObject() noexcept {
  return *connect_;
}

HRESULT ConnectClass::QueryInterface(REFIID iid, void** out) noexcept {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID__IDTExtensibility2))
    *out = static_cast<_IDTExtensibility2*>(this);
  else if (IsEqualIID(iid, IID_IRibbonExtensibility))
    *out = static_cast<IRibbonExtensibility*>(this);
  else if (IsEqualIID(iid, IID_ICustomTaskPaneConsumer))
    *out = static_cast<ICustomTaskPaneConsumer*>(this);
  else if (IsEqualIID(iid, IID_ISupportErrorInfo))
    *out = static_cast<ISupportErrorInfo*>(this);
  else
    *out = nullptr;
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ConnectClass::AddRef() noexcept {
  return ++refs_;
}

ULONG ConnectClass::Release() noexcept {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ConnectClass::OnConnection(IDispatch* application, ext_ConnectMode, IDispatch*,
                                   SAFEARRAY**) noexcept {
  return guarded(IID__IDTExtensibility2,
                 [&] { connect_->AddinInstance_OnConnection(objectArg(*bridge_, application)); });
}

HRESULT ConnectClass::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) noexcept {
  return guarded(IID__IDTExtensibility2, [&] { connect_->AddinInstance_OnDisconnection(); });
}

HRESULT ConnectClass::OnAddInsUpdate(SAFEARRAY**) noexcept {
  return S_OK;
}

HRESULT ConnectClass::OnStartupComplete(SAFEARRAY**) noexcept {
  return guarded(IID__IDTExtensibility2, [&] { connect_->AddinInstance_OnStartupComplete(); });
}

HRESULT ConnectClass::OnBeginShutdown(SAFEARRAY**) noexcept {
  return guarded(IID__IDTExtensibility2, [&] { connect_->AddinInstance_OnBeginShutdown(); });
}

HRESULT ConnectClass::GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) noexcept {
  if (!ribbonXml) return E_POINTER;
  *ribbonXml = nullptr;
  return guarded(IID_IRibbonExtensibility, [&] {
    *ribbonXml =
        Bstr::fromUtf8(connect_->IRibbonExtensibility_GetCustomUI(utf8Of(ribbonId))).detach();
  });
}

HRESULT ConnectClass::CTPFactoryAvailable(ICTPFactory* factory) noexcept {
  return guarded(IID_ICustomTaskPaneConsumer, [&] {
    connect_->ICustomTaskPaneConsumer_CTPFactoryAvailable(objectArg(*bridge_, factory));
  });
}

HRESULT ConnectClass::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  const bool supported = IsEqualIID(iid, IID__IDTExtensibility2) ||
                         IsEqualIID(iid, IID_IRibbonExtensibility) ||
                         IsEqualIID(iid, IID_ICustomTaskPaneConsumer);
  return supported ? S_OK : S_FALSE;
}

}  // namespace qh::win
