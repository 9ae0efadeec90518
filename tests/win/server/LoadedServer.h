#pragma once

#include <windows.h>

#include <ole2.h>

#include <string>

#include "hosts/win/automation/ComPtr.h"

namespace qh::win::test {

// One of the built COM servers, loaded from the module folder without the registry, as a
// host may load an in-process server: LoadLibrary, then its exports. COM is initialised for
// the object's life. When it ends, the server is unloaded if it says it can be.
class LoadedServer {
 public:
  explicit LoadedServer(const std::string& library);
  LoadedServer(const LoadedServer&) = delete;
  LoadedServer& operator=(const LoadedServer&) = delete;
  ~LoadedServer();

  // The module's own path and handle, and its DllGetClassObject and DllCanUnloadNow.
  const std::wstring& path() const { return path_; }
  HMODULE module() const { return module_; }
  HRESULT classObject(REFCLSID clsid, ComPtr<IClassFactory>& factory) const;
  HRESULT canUnloadNow() const;
  // A new object of the class, as IUnknown; fails the test when it cannot be made.
  ComPtr<IUnknown> create(REFCLSID clsid) const;

 private:
  std::wstring path_;
  HMODULE module_ = nullptr;
};

}  // namespace qh::win::test
