#include "tests/win/server/LoadedServer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "hosts/win/automation/WideText.h"

namespace qh::win::test {
namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

std::wstring moduleFolder() {
  const char* dir = std::getenv("QH_MODULE_DIR");
  std::wstring folder = widen(dir ? dir : QH_DEFAULT_MODULE_DIR);
  for (wchar_t& c : folder)
    if (c == L'/') c = L'\\';
  return folder;
}

template <class Fn>
Fn exportOf(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

LoadedServer::LoadedServer(const std::string& library)
    : path_(moduleFolder() + L"\\" + widen(library) + L".dll") {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  module_ = LoadLibraryW(path_.c_str());
}

LoadedServer::~LoadedServer() {
  // As COM does: a server that still has objects out stays loaded.
  if (module_ && canUnloadNow() == S_OK) FreeLibrary(module_);
  CoUninitialize();
}

HRESULT LoadedServer::classObject(REFCLSID clsid, ComPtr<IClassFactory>& factory) const {
  if (!module_) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  const auto get = exportOf<GetClassObjectFn>(module_, "DllGetClassObject");
  return get(clsid, IID_IClassFactory, factory.putVoid());
}

HRESULT LoadedServer::canUnloadNow() const {
  return exportOf<CanUnloadNowFn>(module_, "DllCanUnloadNow")();
}

ComPtr<IUnknown> LoadedServer::create(REFCLSID clsid) const {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(classObject(clsid, factory), S_OK);
  ComPtr<IUnknown> object;
  if (factory) {
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.putVoid()), S_OK);
  }
  return object;
}

}  // namespace qh::win::test
