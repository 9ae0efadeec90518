#include "hosts/win/server/InPlaceControl.h"

#include <olectl.h>

#include <utility>

#include "hosts/win/ui/FaceAssets.h"
#include "hosts/win/ui/FormWindow.h"

namespace qh::win {
namespace {

bool activates(LONG verb) {
  return verb == OLEIVERB_PRIMARY || verb == OLEIVERB_SHOW || verb == OLEIVERB_INPLACEACTIVATE ||
         verb == OLEIVERB_UIACTIVATE;
}

}  // namespace

InPlaceControl::InPlaceControl(const CLSID& clsid, SIZEL extent) : clsid_(clsid), extent_(extent) {}

InPlaceControl::~InPlaceControl() {
  closeWindow();
}

void InPlaceControl::closeWindow() noexcept {
  window_ = nullptr;
  if (const std::shared_ptr<FormWindow> panel = std::move(panel_)) panel->destroy();
}

void* InPlaceControl::findControlInterface(REFIID iid) noexcept {
  if (IsEqualIID(iid, IID_IOleObject)) return static_cast<IOleObject*>(this);
  if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
    return static_cast<IOleInPlaceObject*>(this);
  if (IsEqualIID(iid, IID_IOleInPlaceActiveObject))
    return static_cast<IOleInPlaceActiveObject*>(this);
  if (IsEqualIID(iid, IID_IOleControl)) return static_cast<IOleControl*>(this);
  if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2))
    return static_cast<IViewObject2*>(this);
  if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStreamInit))
    return static_cast<IPersistStreamInit*>(this);
  return nullptr;
}

// IOleObject

HRESULT InPlaceControl::SetClientSite(IOleClientSite* site) noexcept {
  if (!site) InPlaceDeactivate();  // the container lets go: no window outlives the site
  site_ = ComPtr<IOleClientSite>(site);
  return S_OK;
}

HRESULT InPlaceControl::GetClientSite(IOleClientSite** site) noexcept {
  if (!site) return E_POINTER;
  *site = ComPtr<IOleClientSite>(site_).detach();
  return S_OK;
}

HRESULT InPlaceControl::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::Close(DWORD) noexcept {
  InPlaceDeactivate();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

HRESULT InPlaceControl::SetMoniker(DWORD, IMoniker*) noexcept {
  return E_NOTIMPL;
}

HRESULT InPlaceControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT InPlaceControl::InitFromData(IDataObject*, BOOL, DWORD) noexcept {
  return E_NOTIMPL;
}

HRESULT InPlaceControl::GetClipboardData(DWORD, IDataObject** data) noexcept {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT InPlaceControl::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                               LPCRECT) noexcept {
  if (activates(verb)) {
    const HRESULT hr = activateInPlace(activeSite ? activeSite : site_.get());
    if (SUCCEEDED(hr) && verb == OLEIVERB_UIACTIVATE) {
      activateUserInterface();
      if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
    }
    return hr;
  }
  if (verb == OLEIVERB_HIDE) {
    if (window_) ShowWindow(window_, SW_HIDE);
    return S_OK;
  }
  return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
}

// Activation in place: the site agrees, gives its window and the control's place in it, and
// the control draws its model in a child window there.
HRESULT InPlaceControl::activateInPlace(IOleClientSite* site) {
  if (window_) {
    ShowWindow(window_, SW_SHOW);
    return S_OK;
  }
  if (!site) return E_UNEXPECTED;
  ComPtr<IOleInPlaceSite> inPlace;
  if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, inPlace.putVoid())) || !inPlace)
    return E_NOINTERFACE;
  if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
  if (const HRESULT hr = inPlace->OnInPlaceActivate(); FAILED(hr)) return hr;
  HWND parent = nullptr;
  ComPtr<IOleInPlaceFrame> frame;
  ComPtr<IOleInPlaceUIWindow> document;
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof frameInfo;
  if (FAILED(inPlace->GetWindow(&parent)) ||
      FAILED(
          inPlace->GetWindowContext(frame.put(), document.put(), &position, &clip, &frameInfo))) {
    inPlace->OnInPlaceDeactivate();
    return E_FAIL;
  }
  try {
    panel_ = FormWindow::panel(faceModel(), parent, position, std::make_shared<const FaceAssets>(),
                               [this] { activateUserInterface(); });
  } catch (...) {
    panel_.reset();
  }
  if (!panel_) {
    inPlace->OnInPlaceDeactivate();
    return E_FAIL;
  }
  window_ = panel_->window();
  inPlaceSite_ = inPlace;
  frame_ = std::move(frame);
  document_ = std::move(document);
  return S_OK;
}

// UI activation: the container hands the control its keys (TranslateAccelerator) from now on.
void InPlaceControl::activateUserInterface() {
  if (userInterfaceActive_ || !inPlaceSite_) return;
  userInterfaceActive_ = true;
  inPlaceSite_->OnUIActivate();
  if (frame_) frame_->SetActiveObject(this, nullptr);
  if (document_) document_->SetActiveObject(this, nullptr);
}

HRESULT InPlaceControl::EnumVerbs(IEnumOLEVERB** verbs) noexcept {
  if (verbs) *verbs = nullptr;
  return OLE_S_USEREG;  // the registry's verbs, as OleRegEnumVerbs reads them
}

HRESULT InPlaceControl::Update() noexcept {
  return S_OK;
}

HRESULT InPlaceControl::IsUpToDate() noexcept {
  return S_OK;
}

HRESULT InPlaceControl::GetUserClassID(CLSID* clsid) noexcept {
  if (!clsid) return E_POINTER;
  *clsid = clsid_;
  return S_OK;
}

HRESULT InPlaceControl::GetUserType(DWORD, LPOLESTR* name) noexcept {
  if (name) *name = nullptr;
  return OLE_S_USEREG;  // the registered class name
}

HRESULT InPlaceControl::SetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

HRESULT InPlaceControl::GetExtent(DWORD aspect, SIZEL* size) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

HRESULT InPlaceControl::Advise(IAdviseSink* sink, DWORD* connection) noexcept {
  if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.put()))) return E_OUTOFMEMORY;
  return adviseHolder_->Advise(sink, connection);
}

HRESULT InPlaceControl::Unadvise(DWORD connection) noexcept {
  if (!adviseHolder_) return OLE_E_NOCONNECTION;
  return adviseHolder_->Unadvise(connection);
}

HRESULT InPlaceControl::EnumAdvise(IEnumSTATDATA** advises) noexcept {
  if (!advises) return E_POINTER;
  *advises = nullptr;
  if (!adviseHolder_) return S_OK;
  return adviseHolder_->EnumAdvise(advises);
}

HRESULT InPlaceControl::GetMiscStatus(DWORD, DWORD* status) noexcept {
  if (!status) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

HRESULT InPlaceControl::SetColorScheme(LOGPALETTE*) noexcept {
  return E_NOTIMPL;
}

// IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject

HRESULT InPlaceControl::GetWindow(HWND* window) noexcept {
  if (!window) return E_POINTER;
  *window = window_;
  return window_ ? S_OK : E_FAIL;
}

HRESULT InPlaceControl::ContextSensitiveHelp(BOOL) noexcept {
  return E_NOTIMPL;
}

HRESULT InPlaceControl::InPlaceDeactivate() noexcept {
  if (!window_) return S_OK;
  UIDeactivate();
  closeWindow();
  frame_.reset();
  document_.reset();
  // The site may release the control here; only locals from now on.
  const ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
  if (site) site->OnInPlaceDeactivate();
  return S_OK;
}

HRESULT InPlaceControl::UIDeactivate() noexcept {
  if (!userInterfaceActive_) return S_OK;
  userInterfaceActive_ = false;
  if (document_) document_->SetActiveObject(nullptr, nullptr);
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT InPlaceControl::SetObjectRects(LPCRECT position, LPCRECT) noexcept {
  if (!position) return E_POINTER;
  if (window_)
    MoveWindow(window_, position->left, position->top, position->right - position->left,
               position->bottom - position->top, TRUE);
  return S_OK;
}

HRESULT InPlaceControl::ReactivateAndUndo() noexcept {
  return INPLACE_E_NOTUNDOABLE;
}

// The container offers every key before it dispatches it. The control takes those its focused
// child handles itself (moving in the list, editing the text), so that no shortcut of the host
// takes them away, and leaves the rest (Tab out of the pane, the host's shortcuts, characters,
// which the container's own dispatch delivers) to the container.
HRESULT InPlaceControl::TranslateAccelerator(LPMSG message) noexcept {
  if (!message || !window_ || !IsChild(window_, message->hwnd)) return S_FALSE;
  if (!keyForTheControl(*message)) return S_FALSE;
  TranslateMessage(message);
  DispatchMessageW(message);
  return S_OK;
}

bool InPlaceControl::keyForTheControl(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
  const auto key = static_cast<int>(message.wParam);
  if (key == VK_TAB || GetKeyState(VK_MENU) < 0) return false;
  MSG asked = message;
  const LRESULT wants =
      SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&asked));
  if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return true;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return (wants & DLGC_WANTARROWS) != 0;
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DELETE:
    case VK_BACK:
    case VK_F4:
      return (wants & (DLGC_HASSETSEL | DLGC_WANTCHARS)) != 0;
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
      return ctrl && (wants & DLGC_HASSETSEL) != 0;
    default:
      return false;
  }
}

HRESULT InPlaceControl::OnFrameWindowActivate(BOOL) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::OnDocWindowActivate(BOOL) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::EnableModeless(BOOL) noexcept {
  return S_OK;
}

// IOleControl

HRESULT InPlaceControl::GetControlInfo(CONTROLINFO* info) noexcept {
  if (!info) return E_POINTER;
  info->hAccel = nullptr;  // no mnemonics
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT InPlaceControl::OnMnemonic(MSG*) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::OnAmbientPropertyChange(DISPID) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::FreezeEvents(BOOL) noexcept {
  return S_OK;
}

// IViewObject2: the container asks for a picture of the control (to redraw, print or preview
// it). Active in place, the window draws itself and its children into the container's device
// context; without a window, the control is drawn as its empty face.

HRESULT InPlaceControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw,
                             LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                             ULONG_PTR) noexcept {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!draw || !bounds) return E_INVALIDARG;
  const RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
  FillRect(draw, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (panel_) {
    const int saved = SaveDC(draw);
    IntersectClipRect(draw, area.left, area.top, area.right, area.bottom);
    panel_->print(draw, POINT{area.left, area.top});
    RestoreDC(draw, saved);
  }
  return S_OK;
}

HRESULT InPlaceControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                    LOGPALETTE** colors) noexcept {
  if (colors) *colors = nullptr;
  return S_FALSE;  // no palette of its own
}

HRESULT InPlaceControl::Freeze(DWORD, LONG, void*, DWORD*) noexcept {
  return E_NOTIMPL;
}

HRESULT InPlaceControl::Unfreeze(DWORD) noexcept {
  return E_NOTIMPL;
}

HRESULT InPlaceControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
  viewSink_ = ComPtr<IAdviseSink>(sink);
  viewAspects_ = aspects;
  viewFlags_ = flags;
  return S_OK;
}

HRESULT InPlaceControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (sink) *sink = ComPtr<IAdviseSink>(viewSink_).detach();
  return S_OK;
}

HRESULT InPlaceControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) noexcept {
  return GetExtent(aspect, size);
}

// IPersistStreamInit: the control keeps nothing between sessions.

HRESULT InPlaceControl::GetClassID(CLSID* clsid) noexcept {
  return GetUserClassID(clsid);
}

HRESULT InPlaceControl::IsDirty() noexcept {
  return S_FALSE;
}

HRESULT InPlaceControl::Load(LPSTREAM) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::Save(LPSTREAM, BOOL) noexcept {
  return S_OK;
}

HRESULT InPlaceControl::GetSizeMax(ULARGE_INTEGER* size) noexcept {
  if (!size) return E_POINTER;
  size->QuadPart = 0;
  return S_OK;
}

HRESULT InPlaceControl::InitNew() noexcept {
  return S_OK;
}

}  // namespace qh::win
