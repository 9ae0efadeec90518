// What Outlook does with an installed add-in, reduced to one call each: creates
// Quillhour.Connect and QuillhourControls.InspectorPane by ProgID through COM, asks the add-in
// for its ribbon and fills the pane's tag box, then opens the control library's type library
// through its registration. Prints one line per check, and each loaded DLL's path; the exit
// code counts the failures.
#include <windows.h>

#include <ole2.h>

#include <OfficeAddin.h>

#include <cstdio>
#include <string>

#include "controls/ControlsIdentity.h"
#include "core/AddinIdentity.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/WideText.h"

namespace {

using qh::win::Bstr;
using qh::win::ComPtr;
using qh::win::widen;

int failures = 0;

bool check(const char* what, HRESULT hr) {
  std::printf("%s: %s (0x%08lx)\n", SUCCEEDED(hr) ? "ok" : "FAIL", what,
              static_cast<unsigned long>(hr));
  if (FAILED(hr)) ++failures;
  return SUCCEEDED(hr);
}

ComPtr<IUnknown> createByProgId(const char* progId) {
  CLSID clsid{};
  ComPtr<IUnknown> object;
  const std::string what = std::string("create ") + progId;
  if (check(("CLSIDFromProgID " + std::string(progId)).c_str(),
            CLSIDFromProgID(widen(progId).c_str(), &clsid)))
    check(what.c_str(),
          CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.putVoid()));
  return object;
}

void printModule(const wchar_t* name) {
  wchar_t path[MAX_PATH] = L"";
  if (HMODULE module = GetModuleHandleW(name)) GetModuleFileNameW(module, path, MAX_PATH);
  std::printf("loaded: %ls\n", path);
}

void probeAddin() {
  const ComPtr<IUnknown> connect = createByProgId(qh::core::kProgId);
  const auto ribbon = connect.as<IRibbonExtensibility>(IID_IRibbonExtensibility);
  if (!check("the add-in offers IRibbonExtensibility", ribbon ? S_OK : E_NOINTERFACE)) return;
  Bstr xml;
  Bstr id(L"Microsoft.Outlook.Explorer");
  if (check("GetCustomUI", ribbon->GetCustomUI(id.get(), xml.put())))
    check("the ribbon markup is empty", xml.empty() ? S_OK : E_UNEXPECTED);
  printModule(L"Quillhour.dll");
}

HRESULT callByName(IDispatch& object, const wchar_t* name, VARIANT& argument) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = 0;
  HRESULT hr = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS parameters{&argument, nullptr, 1, 0};
  return object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr,
                       nullptr, nullptr);
}

void probePane() {
  const auto pane = createByProgId(qh::controls::kPaneProgId).as<IDispatch>(IID_IDispatch);
  if (!check("the pane control is automatable", pane ? S_OK : E_NOINTERFACE)) return;
  VARIANT tags;
  VariantInit(&tags);
  tags.vt = VT_ARRAY | VT_BSTR;
  tags.parray = SafeArrayCreateVector(VT_BSTR, 0, 2);
  LONG index = 0;
  for (const wchar_t* tag : {L"Project A", L"Project B"}) {
    Bstr text(tag);
    SafeArrayPutElement(tags.parray, &index, text.get());
    ++index;
  }
  check("FillTagComboBox", callByName(*pane.get(), L"FillTagComboBox", tags));
  VariantClear(&tags);
  printModule(L"QuillhourControls.dll");
}

void probeTypeLibrary() {
  GUID library{};
  CLSIDFromString(widen(qh::controls::kLibraryId).data(), &library);
  ComPtr<ITypeLib> typeLibrary;
  if (!check("LoadRegTypeLib QuillhourControls 1.0",
             LoadRegTypeLib(library, 1, 0, LOCALE_NEUTRAL, typeLibrary.put())))
    return;
  GUID pane{};
  CLSIDFromString(widen(qh::controls::kPaneInterfaceId).data(), &pane);
  ComPtr<ITypeInfo> info;
  check("the registered library describes _InspectorPane",
        typeLibrary->GetTypeInfoOfGuid(pane, info.put()));
}

}  // namespace

int main() {
  if (!check("CoInitializeEx", CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  probeAddin();
  probePane();
  probeTypeLibrary();
  CoUninitialize();
  return failures;
}
