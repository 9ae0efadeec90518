#pragma once

#include <windows.h>

#include <ole2.h>

#include "hosts/win/automation/ComPtr.h"

namespace qh::win::test {

// A real OLE control container: Wine's ATL host (atl100.dll) in a top-level window of its own,
// as a task pane hosts a control. It creates a control by its CLSID, or takes one made
// elsewhere, sites it and activates it in place; destroying the window lets go of it.
// Needs a display: without one there is no window (ok() is false).
class AxHost {
 public:
  explicit AxHost(int width = 400, int height = 300);
  AxHost(const AxHost&) = delete;
  AxHost& operator=(const AxHost&) = delete;
  ~AxHost();

  bool ok() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  HRESULT create(REFCLSID clsid);
  HRESULT attach(IUnknown* control);
  // The hosted control, or null.
  ComPtr<IUnknown> control() const;
  // The control's in-place window (its IOleWindow's), or null.
  HWND controlWindow() const;
  void close();

 private:
  HMODULE atl_ = nullptr;
  HWND window_ = nullptr;
  ComPtr<IUnknown> container_;
};

}  // namespace qh::win::test
