#pragma once

#include <windows.h>

#include <QuillhourControls_h.h>
#include <ocidl.h>

#include <memory>

#include "automation/Ref.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/EventInterface.h"
#include "hosts/win/automation/EventRelay.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/server/DualDispatch.h"
#include "hosts/win/server/InPlaceControl.h"
#include "hosts/win/server/ServerModule.h"

namespace qh::controls {
class InspectorPane;
}

namespace qh::win {

// The pane control as the COM class InspectorPane ("QuillhourControls.InspectorPane") that
// Office creates inside a task pane: the dual interface _InspectorPane (SetAppointmentItem,
// FillTagComboBox, SetTagComboBoxText), whose calls go to the control's model; the event
// interface __InspectorPane, which has no events but can be connected to, as a control's
// default source; its class information; and the OLE control protocol a task pane hosts it
// by (InPlaceControl).
//
// Its IDispatch also answers the model's members beyond the interface (its caption, its
// label and tag box by name), so that a host which drives the model by name, as the
// simulated host does, reaches the same control through COM.
class PaneControl final : public DualDispatch<_InspectorPane>,
                          public IProvideClassInfo2,
                          public IConnectionPointContainer,
                          public ISupportErrorInfo,
                          public InPlaceControl {
 public:
  // A new control with its first reference; raises when the module's parts cannot be made.
  static ComPtr<IUnknown> create();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  // The arguments are by reference and left as they are; a null pointer is E_POINTER, an
  // array of anything but strings a type mismatch.
  HRESULT STDMETHODCALLTYPE SetAppointmentItem(IDispatch** item) noexcept override;
  HRESULT STDMETHODCALLTYPE FillTagComboBox(SAFEARRAY** tags) noexcept override;
  HRESULT STDMETHODCALLTYPE SetTagComboBoxText(BSTR* text) noexcept override;

  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) noexcept override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) noexcept override;

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid,
                                                IConnectionPoint** point) noexcept override;

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

 protected:
  Object& automationObject() noexcept override;
  forms::Form& faceModel() override;

 private:
  PaneControl(ServerModule& module, std::shared_ptr<ObjectBridge> bridge);
  ~PaneControl() override;

  template <class Call>
  HRESULT guarded(Call call) noexcept;
  // The control's model's view of a by-reference argument.
  Variant argument(VARTYPE type, void* reference);
  ComPtr<IConnectionPoint> connectionPoint();

  ModuleReference moduleReference_;
  ServerModule& module_;
  std::shared_ptr<ObjectBridge> bridge_;
  Ref<controls::InspectorPane> pane_;
  EventInterface events_;
  EventRelay relay_;
  ULONG refs_ = 0;
};

}  // namespace qh::win
