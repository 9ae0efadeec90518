#include "tests/win/AxHost.h"

#include <utility>

namespace qh::win::test {
namespace {

using AxWinInitFn = BOOL(WINAPI*)();
using AxCreateControlFn = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**);
using AxAttachControlFn = HRESULT(WINAPI*)(IUnknown*, HWND, IUnknown**);
using AxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

template <class Fn>
Fn exportOf(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

AxHost::AxHost(int width, int height) : atl_(LoadLibraryW(L"atl100.dll")) {
  if (!atl_) return;
  exportOf<AxWinInitFn>(atl_, "AtlAxWinInit")();
  window_ = CreateWindowExW(0, L"STATIC", L"Quillhour pane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            width, height, nullptr, nullptr, nullptr, nullptr);
}

AxHost::~AxHost() {
  close();
  if (atl_) FreeLibrary(atl_);
}

HRESULT AxHost::create(REFCLSID clsid) {
  wchar_t text[40];
  StringFromGUID2(clsid, text, 40);
  return exportOf<AxCreateControlFn>(atl_, "AtlAxCreateControl")(text, window_, nullptr,
                                                                 container_.put());
}

HRESULT AxHost::attach(IUnknown* control) {
  return exportOf<AxAttachControlFn>(atl_, "AtlAxAttachControl")(control, window_,
                                                                 container_.put());
}

ComPtr<IUnknown> AxHost::control() const {
  ComPtr<IUnknown> control;
  if (window_) exportOf<AxGetControlFn>(atl_, "AtlAxGetControl")(window_, control.put());
  return control;
}

HWND AxHost::controlWindow() const {
  const ComPtr<IUnknown> hosted = control();
  if (!hosted) return nullptr;
  const auto face = hosted.as<IOleWindow>(IID_IOleWindow);
  HWND window = nullptr;
  if (face) face->GetWindow(&window);
  return window;
}

void AxHost::close() {
  if (window_) DestroyWindow(std::exchange(window_, nullptr));
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  container_.reset();
}

}  // namespace qh::win::test
