#include "hosts/win/testhost/ClassActivation.h"

#include <algorithm>
#include <cwctype>

#include "hosts/sim/system/SimRegistry.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

using platform::RegistryRoot;
using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

// The server Wine's classes name for a CLSID, or "".
std::wstring wineServerOf(const std::string& clsid) {
  const std::wstring key = L"CLSID\\" + widen(clsid) + L"\\InprocServer32";
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = sizeof path;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
      ERROR_SUCCESS)
    return {};
  return path;
}

bool samePath(std::wstring a, std::wstring b) {
  const auto fold = [](std::wstring& s) {
    for (wchar_t& c : s) c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
  };
  fold(a);
  fold(b);
  return a == b;
}

CLSID clsidOf(const std::string& text) {
  std::wstring wide = widen(text);
  CLSID clsid{};
  throwIfFailed(CLSIDFromString(wide.data(), &clsid));
  return clsid;
}

// COM's steps with a module of the caller's choosing: load it, ask its class factory.
ComPtr<IUnknown> createFromModule(const std::wstring& path, REFCLSID clsid, REFIID iid) {
  HMODULE module = LoadLibraryW(path.c_str());  // stays loaded, as COM keeps its servers
  if (!module) throw errorFromHresult(HRESULT_FROM_WIN32(GetLastError()));
  const auto getClassObject = reinterpret_cast<GetClassObjectFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  if (!getClassObject) throw errorFromHresult(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND));
  ComPtr<IClassFactory> factory;
  throwIfFailed(getClassObject(clsid, IID_IClassFactory, factory.putVoid()));
  ComPtr<IUnknown> object;
  throwIfFailed(factory->CreateInstance(nullptr, iid, object.putVoid()));
  return object;
}

}  // namespace

ClassActivation::ClassActivation(const sim::SimRegistry& registry) : registry_(registry) {}

ComPtr<IUnknown> ClassActivation::create(const std::string& classId, REFIID iid) const {
  std::string clsid = classId;
  if (classId.empty() || classId.front() != '{') {
    const auto found = registry_.stringValue(RegistryRoot::ClassesRoot, classId + "\\CLSID", "");
    if (!found) throw errorFromHresult(CO_E_CLASSSTRING);
    clsid = *found;
  }
  const auto server =
      registry_.stringValue(RegistryRoot::ClassesRoot, "CLSID\\" + clsid + "\\InprocServer32", "");
  if (!server || server->empty()) throw errorFromHresult(REGDB_E_CLASSNOTREG);
  const CLSID id = clsidOf(clsid);
  if (!samePath(widen(*server), wineServerOf(clsid)))
    return createFromModule(widen(*server), id, iid);
  ComPtr<IUnknown> object;
  throwIfFailed(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, iid, object.putVoid()));
  return object;
}

}  // namespace qh::win
