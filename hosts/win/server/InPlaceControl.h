#pragma once

#include <windows.h>

#include <ocidl.h>
#include <oleidl.h>

#include <memory>

#include "hosts/win/automation/ComPtr.h"

namespace qh::forms {
class Form;
}

namespace qh::win {

class FormWindow;

// The OLE control protocol a container (Office's task pane) drives: the control is sited
// (IOleObject), activated in place in a child window of the site's window and moved with it
// (IOleInPlaceObject), made UI-active when the user works in it, when it takes its keys from
// the container (IOleInPlaceActiveObject::TranslateAccelerator), told of ambient changes
// (IOleControl), drawn on demand (IViewObject2) and started afresh (IPersistStreamInit; it
// keeps no state of its own). Its in-place window is the control's form model drawn by the
// window face (FormWindow), its children at the model's places.
//
// IUnknown is the control class's: it answers the interfaces find() gives.
class InPlaceControl : public IOleObject,
                       public IOleInPlaceObject,
                       public IOleInPlaceActiveObject,
                       public IOleControl,
                       public IViewObject2,
                       public IPersistStreamInit {
 public:
  // The status bits the control's registration would carry: activated as soon as it is
  // visible, drawn inside out, sited before it is loaded.
  static constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                                       OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                                       OLEMISC_SETCLIENTSITEFIRST;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) noexcept override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) noexcept override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) noexcept override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) noexcept override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) noexcept override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) noexcept override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) noexcept override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                                   LPCRECT) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) noexcept override;
  HRESULT STDMETHODCALLTYPE Update() noexcept override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() noexcept override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) noexcept override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* name) noexcept override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) noexcept override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) noexcept override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) noexcept override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) noexcept override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) noexcept override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) noexcept override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) noexcept override;

  // IOleWindow, of both in-place interfaces
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override;
  // IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() noexcept override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) noexcept override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() noexcept override;
  // IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG) noexcept override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) noexcept override;

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) noexcept override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) noexcept override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID) noexcept override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL) noexcept override;

  // IViewObject2
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw,
                                 LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                 ULONG_PTR) noexcept override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                        LOGPALETTE** colors) noexcept override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD* freeze) noexcept override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) noexcept override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags,
                                      IAdviseSink* sink) noexcept override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags,
                                      IAdviseSink** sink) noexcept override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*,
                                      LPSIZEL size) noexcept override;

  // IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) noexcept override;
  HRESULT STDMETHODCALLTYPE IsDirty() noexcept override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM) noexcept override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM, BOOL) noexcept override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) noexcept override;
  HRESULT STDMETHODCALLTYPE InitNew() noexcept override;

 protected:
  // extent: the control's natural size in HIMETRIC (hundredths of a millimetre).
  InPlaceControl(const CLSID& clsid, SIZEL extent);
  // The HIMETRIC size of a length in twips, the forms' unit.
  static LONG himetricOfTwips(int twips) { return MulDiv(twips, 2540, 1440); }
  virtual ~InPlaceControl();

  // The form model the in-place window shows.
  virtual forms::Form& faceModel() = 0;
  // Lets go of the in-place window; for the class's destructor, before its model goes.
  void closeWindow() noexcept;

  // The control interface for an IID, or null; for the class's QueryInterface.
  void* findControlInterface(REFIID iid) noexcept;

 private:
  HRESULT activateInPlace(IOleClientSite* site);
  void activateUserInterface();
  // Whether a key bound for the in-place window is one its focused control handles itself,
  // rather than one for the container (Tab, the host's shortcuts).
  static bool keyForTheControl(const MSG& message);

  CLSID clsid_;
  SIZEL extent_;
  ComPtr<IOleClientSite> site_;
  ComPtr<IOleInPlaceSite> inPlaceSite_;  // while active in place
  ComPtr<IOleInPlaceFrame> frame_;
  ComPtr<IOleInPlaceUIWindow> document_;
  bool userInterfaceActive_ = false;
  std::shared_ptr<FormWindow> panel_;
  HWND window_ = nullptr;
  ComPtr<IOleAdviseHolder> adviseHolder_;
  ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewFlags_ = 0;
};

}  // namespace qh::win
