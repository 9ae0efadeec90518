#include "hosts/win/controls/PaneControl.h"

#include <olectl.h>

#include "controls/PaneForm.h"
#include "hosts/win/automation/ComConnectionPoint.h"
#include "hosts/win/automation/ErrorInfo.h"
#include "hosts/win/automation/SinglePointContainer.h"
#include "hosts/win/automation/VariantConversion.h"

namespace qh::win {

ComPtr<IUnknown> PaneControl::create() {
  ServerModule& module = ServerModule::instance();
  auto* made = new PaneControl(module, module.bridge());
  return ComPtr<IUnknown>(static_cast<_InspectorPane*>(made));
}

PaneControl::PaneControl(ServerModule& module, std::shared_ptr<ObjectBridge> bridge)
    : DualDispatch<_InspectorPane>(module.typeInfo(IID__InspectorPane), bridge, true),
      InPlaceControl(CLSID_InspectorPane, SIZEL{}),
      module_(module),
      bridge_(std::move(bridge)),
      pane_(makeRef<controls::InspectorPane>(module.system())),
      events_{DIID___InspectorPane, "__InspectorPane", {}},
      relay_(bridge_, *pane_, events_) {
  SIZEL extent{himetricOfTwips(pane_->clientWidth()), himetricOfTwips(pane_->clientHeight())};
  SetExtent(DVASPECT_CONTENT, &extent);
}

PaneControl::~PaneControl() = default;

Object& PaneControl::automationObject() noexcept {
  return *pane_;
}

forms::Form& PaneControl::faceModel() {
  return *pane_;
}

template <class Call>
HRESULT PaneControl::guarded(Call call) noexcept {
  try {
    const ComPtr<IUnknown> keepAlive(static_cast<_InspectorPane*>(this));
    call();
    return S_OK;
  } catch (...) {
    return reportCurrentException(IID__InspectorPane);
  }
}

HRESULT PaneControl::QueryInterface(REFIID iid, void** out) noexcept {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID__InspectorPane))
    *out = static_cast<_InspectorPane*>(this);
  else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2))
    *out = static_cast<IProvideClassInfo2*>(this);
  else if (IsEqualIID(iid, IID_IConnectionPointContainer))
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (IsEqualIID(iid, IID_ISupportErrorInfo))
    *out = static_cast<ISupportErrorInfo*>(this);
  else
    *out = findControlInterface(iid);
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG PaneControl::AddRef() noexcept {
  return ++refs_;
}

ULONG PaneControl::Release() noexcept {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

Variant PaneControl::argument(VARTYPE type, void* reference) {
  if (!reference) throw ComFailure(E_POINTER);
  VARIANT byReference;
  VariantInit(&byReference);
  V_VT(&byReference) = VT_BYREF | type;
  V_BYREF(&byReference) = reference;
  return fromComVariant(byReference, *bridge_);
}

HRESULT PaneControl::SetAppointmentItem(IDispatch** item) noexcept {
  return guarded([&] { pane_->SetAppointmentItem(argument(VT_DISPATCH, item)); });
}

HRESULT PaneControl::FillTagComboBox(SAFEARRAY** tags) noexcept {
  return guarded([&] {
    // The declaration promises strings; an array of another type must not be read as one.
    VARTYPE element = VT_BSTR;
    if (tags && *tags && FAILED(SafeArrayGetVartype(*tags, &element))) element = VT_EMPTY;
    pane_->FillTagComboBox(argument(VT_ARRAY | element, tags));
  });
}

HRESULT PaneControl::SetTagComboBoxText(BSTR* text) noexcept {
  return guarded([&] { pane_->SetTagComboBoxText(argument(VT_BSTR, text)); });
}

HRESULT PaneControl::GetClassInfo(ITypeInfo** info) noexcept {
  if (!info) return E_POINTER;
  *info = nullptr;
  try {
    *info = module_.typeInfo(CLSID_InspectorPane).detach();
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT PaneControl::GetGUID(DWORD kind, GUID* guid) noexcept {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *guid = DIID___InspectorPane;
  return S_OK;
}

HRESULT PaneControl::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
  return enumerateSinglePoint([this] { return connectionPoint(); }, points);
}

HRESULT PaneControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
  return findSinglePoint(
      iid, DIID___InspectorPane, [this] { return connectionPoint(); }, point);
}

ComPtr<IConnectionPoint> PaneControl::connectionPoint() {
  const ComPtr<IConnectionPointContainer> self(this);
  return ComPtr<IConnectionPoint>(new ComConnectionPoint(self, relay_));
}

HRESULT PaneControl::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
  return IsEqualIID(iid, IID__InspectorPane) ? S_OK : S_FALSE;
}

}  // namespace qh::win
