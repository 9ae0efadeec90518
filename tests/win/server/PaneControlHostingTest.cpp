// The pane control in a real OLE control container: Wine's ATL host (atl100.dll) creates it by
// its CLSID inside a window, sites it and activates it in place, as a task pane does, resizes
// it with the window and lets it go with the window. It needs a display (xvfb-run): without
// one no window can be made and the test is skipped.
#include <gtest/gtest.h>

#include <QuillhourControls_h.h>

#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/WideText.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

using AxWinInitFn = BOOL(WINAPI*)();
using AxCreateControlFn = HRESULT(WINAPI*)(LPCOLESTR, HWND, IStream*, IUnknown**);
using AxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

template <class Fn>
Fn exportOf(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

SIZE clientSize(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return {area.right - area.left, area.bottom - area.top};
}

class PaneControlHosting : public ::testing::Test {
 protected:
  void SetUp() override {
    // The class is offered to COM in this process, so the container needs no registration.
    ASSERT_EQ(server.classObject(CLSID_InspectorPane, factory), S_OK);
    ASSERT_EQ(CoRegisterClassObject(CLSID_InspectorPane, factory.get(), CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    atl = LoadLibraryW(L"atl100.dll");
    ASSERT_TRUE(atl) << "Wine's ATL";
    exportOf<AxWinInitFn>(atl, "AtlAxWinInit")();
    window = CreateWindowExW(0, L"STATIC", L"Quillhour pane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                             0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    if (!window) GTEST_SKIP() << "no display to make windows on";
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
    pumpMessages();
    CoRevokeClassObject(cookie);
    factory.reset();
  }

  LoadedServer server{"QuillhourControls"};
  ComPtr<IClassFactory> factory;
  DWORD cookie = 0;
  HMODULE atl = nullptr;
  HWND window = nullptr;
};

TEST_F(PaneControlHosting, TheContainerActivatesItInPlaceAndItFollowsTheWindow) {
  wchar_t clsid[40];
  StringFromGUID2(CLSID_InspectorPane, clsid, 40);
  ComPtr<IUnknown> container;
  ASSERT_EQ(exportOf<AxCreateControlFn>(atl, "AtlAxCreateControl")(clsid, window, nullptr,
                                                                   container.put()),
            S_OK);
  ComPtr<IUnknown> control;
  ASSERT_EQ(exportOf<AxGetControlFn>(atl, "AtlAxGetControl")(window, control.put()), S_OK);
  const auto face = control.as<IOleInPlaceObject>(IID_IOleInPlaceObject);
  ASSERT_TRUE(face);
  HWND own = nullptr;
  ASSERT_EQ(face->GetWindow(&own), S_OK) << "activated in place";
  EXPECT_EQ(GetParent(own), window);
  EXPECT_TRUE(IsWindowVisible(own));

  MoveWindow(window, 0, 0, 600, 500, TRUE);
  pumpMessages();
  EXPECT_EQ(clientSize(own).cx, clientSize(window).cx);
  EXPECT_EQ(clientSize(own).cy, clientSize(window).cy);

  DestroyWindow(std::exchange(window, nullptr));
  pumpMessages();
  EXPECT_FALSE(IsWindow(own)) << "deactivated with its container";
  control.reset();
  container.reset();
}

}  // namespace
}  // namespace qh::win::test
