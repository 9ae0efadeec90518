// The pane control in a real OLE control container: Wine's ATL host creates it by its CLSID
// inside a window, sites it and activates it in place, as a task pane does. It draws its
// picture, its label and its tag box there, at the model's places; the list's choice writes
// the tag into the appointment, typing does not; the container's keys reach the box through
// TranslateAccelerator; it follows the window's size, draws itself on demand and lets go with
// the window. It needs a display (xvfb-run): without one the tests are skipped.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QuillhourControls_h.h>

#include "automation/DispatchTable.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "tests/win/AxHost.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

SIZE clientSize(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return {area.right - area.left, area.bottom - area.top};
}

HWND childOfClass(HWND parent, const wchar_t* className, HWND after = nullptr) {
  return FindWindowExW(parent, after, className, nullptr);
}

// An appointment as the pane sees it: its Categories, and how often they were written.
class Appointment : public Object {
 public:
  Variant invoke(std::string_view name, CallKind kind, Args& args) override {
    static const DispatchTable<Appointment> t = [] {
      DispatchTable<Appointment> d;
      d.get("Categories", [](Appointment& a, Args&) { return Variant(a.categories); });
      d.put("Categories", [](Appointment& a, Args& v) {
        a.categories = putValue(v).toString();
        ++a.writes;
        return Variant();
      });
      return d;
    }();
    return t.invoke(*this, name, kind, args);
  }
  std::string categories;
  int writes = 0;
};

class PaneControlHosting : public ::testing::Test {
 protected:
  void SetUp() override {
    // The class is offered to COM in this process, so the container needs no registration.
    ASSERT_EQ(server.classObject(CLSID_InspectorPane, factory), S_OK);
    ASSERT_EQ(CoRegisterClassObject(CLSID_InspectorPane, factory.get(), CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    if (!host.ok()) GTEST_SKIP() << "no display to make windows on";
    ASSERT_EQ(host.create(CLSID_InspectorPane), S_OK);
    panel = host.controlWindow();
    ASSERT_TRUE(panel) << "activated in place";
  }
  void TearDown() override {
    host.close();
    CoRevokeClassObject(cookie);
    factory.reset();
  }
  // The control's model, reached by name as the add-in reaches it.
  Ref<Object> model() {
    return makeRef<DispatchObject>(bridge, host.control().as<IDispatch>(IID_IDispatch));
  }
  int pixels(int twips) const {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    // Run once more at a scaled resolution (high-dpi-test.sh): make sure it is that one.
    if (const char* wanted = std::getenv("QH_EXPECT_DPI")) {
      EXPECT_EQ(dpi, std::atoi(wanted));
    }
    return MulDiv(twips, dpi, 1440);
  }
  void expectPlaced(HWND child, int left, int top, int width, int height, const char* name) {
    ASSERT_TRUE(child) << name;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_NEAR(r.left, pixels(left), 1) << name;
    EXPECT_NEAR(r.top, pixels(top), 1) << name;
    EXPECT_NEAR(r.right - r.left, pixels(width), 1) << name;
    EXPECT_NEAR(r.bottom - r.top, pixels(height), 1) << name;
  }
  HRESULT translate(UINT message, WPARAM key, HWND target) {
    const auto active = host.control().as<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
    MSG msg{target, message, key, 1, 0, {}};
    return active->TranslateAccelerator(&msg);
  }

  LoadedServer server{"QuillhourControls"};
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  ComPtr<IClassFactory> factory;
  DWORD cookie = 0;
  AxHost host;
  HWND panel = nullptr;
};

TEST_F(PaneControlHosting, TheContainerActivatesItInPlaceAndItFollowsTheWindow) {
  EXPECT_EQ(GetParent(panel), host.window());
  EXPECT_TRUE(IsWindowVisible(panel));

  MoveWindow(host.window(), 0, 0, 600, 500, TRUE);
  pumpMessages();
  EXPECT_EQ(clientSize(panel).cx, clientSize(host.window()).cx);
  EXPECT_EQ(clientSize(panel).cy, clientSize(host.window()).cy);

  host.close();
  EXPECT_FALSE(IsWindow(panel)) << "deactivated with its container";
}

TEST_F(PaneControlHosting, DrawsItsChildrenWhereTheModelSaysAndWritesOnlyAChosenTag) {
  HWND image = childOfClass(panel, L"Static");
  HWND label = childOfClass(panel, L"Static", image);
  HWND combo = childOfClass(panel, L"ComboBox");
  expectPlaced(image, 15, 15, 270, 270, "Image1");
  expectPlaced(label, 360, 45, 375, 255, "Label1");
  expectPlaced(combo, 720, 0, 3000, 315, "TagComboBox");
  wchar_t text[64] = {};
  GetWindowTextW(label, text, 64);
  EXPECT_STREQ(text, L"Tag:");

  auto item = makeRef<Appointment>();
  item->categories = "Admin; Other";
  Ref<Object> pane = model();
  pane->call("SetAppointmentItem", Ref<Object>(item));
  pane->call("FillTagComboBox", StringArray::of({" Admin ", "Support"}));
  pane->call("SetTagComboBoxText", "Admin; Other");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Admin");
  GetWindowTextW(combo, text, 64);
  EXPECT_STREQ(text, L"Admin; Other");

  HWND edit = childOfClass(combo, L"Edit");
  ASSERT_TRUE(edit);
  for (wchar_t c : std::wstring(L"Sup")) SendMessageW(edit, WM_CHAR, c, 1);
  EXPECT_EQ(item->writes, 0) << "typing chooses nothing";

  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SendMessageW(panel, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(item->categories, "Support");
  EXPECT_EQ(item->writes, 1);
  EXPECT_EQ(pane->getObject("TagComboBox")->get("ListIndex").toInt32(), 1);

  // The container hands the box its keys: Up chooses the entry above; Tab is the container's.
  SetFocus(edit);
  EXPECT_EQ(translate(WM_KEYDOWN, VK_UP, edit), S_OK);
  EXPECT_EQ(item->categories, "Admin");
  EXPECT_EQ(item->writes, 2);
  EXPECT_EQ(translate(WM_KEYDOWN, VK_TAB, edit), S_FALSE);
  EXPECT_EQ(translate(WM_KEYDOWN, 'S', edit), S_FALSE) << "a character comes by dispatch";
}

TEST_F(PaneControlHosting, DrawsItselfIntoTheContainersPictureOnDemand) {
  model()->call("SetTagComboBoxText", "Admin");
  const auto view = host.control().as<IViewObject>(IID_IViewObject);
  ASSERT_TRUE(view);
  const int width = 260, height = 30;
  HDC screen = GetDC(nullptr);
  HDC picture = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(picture, bitmap);
  const RECTL bounds{0, 0, width, height};
  ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, picture, &bounds, nullptr,
                       nullptr, 0),
            S_OK);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int drawn = 0;
  for (int x = 0; x < width; x += 2)
    for (int y = 0; y < height; y += 2) drawn += GetPixel(picture, x, y) != face;
  SelectObject(picture, old);
  DeleteObject(bitmap);
  DeleteDC(picture);
  EXPECT_GT(drawn, 100) << "the label and the box, not an empty face";
}

}  // namespace
}  // namespace qh::win::test
