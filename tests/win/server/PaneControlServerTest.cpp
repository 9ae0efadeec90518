// QuillhourControls.dll's class InspectorPane as Office meets it in a task pane: its dual
// interface reaching the control's model, its class information and its (silent) events.
#include <gtest/gtest.h>

#include <QuillhourControls_h.h>
#include <olectl.h>

#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ErrorInfo.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/VariantConversion.h"
#include "tests/win/CountingDispatch.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

// A sink that answers for the pane's event interface, as a container's sink does.
class PaneEventsSink : public CountingDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (IsEqualIID(iid, DIID___InspectorPane)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    return CountingDispatch::QueryInterface(iid, out);
  }
};

class PaneControlServerTest : public ::testing::Test {
 protected:
  // The control's model, reached by name through the control's IDispatch.
  Ref<Object> model() {
    return makeRef<DispatchObject>(bridge, control.as<IDispatch>(IID_IDispatch));
  }

  LoadedServer server{"QuillhourControls"};
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  ComPtr<_InspectorPane> control =
      server.create(CLSID_InspectorPane).as<_InspectorPane>(IID__InspectorPane);
};

TEST_F(PaneControlServerTest, TheInterfacesMethodsReachTheControlsTagBox) {
  ASSERT_TRUE(control);
  ComVariant tags = toComVariant(Variant(StringArray::of({" Admin ", "Support"})), *bridge);
  ASSERT_EQ(control->FillTagComboBox(tags.get()), S_OK);
  ComVariant text = toComVariant(Variant("Support"), *bridge);
  ASSERT_EQ(control->SetTagComboBoxText(text.get()), S_OK);

  Ref<Object> box = model()->getObject("TagComboBox");
  EXPECT_EQ(box->get("ListCount"), Variant(2));
  EXPECT_EQ(box->get("List", 0), Variant("Admin")) << "entries are trimmed of spaces";
  EXPECT_EQ(box->get("Text"), Variant("Support"));
  EXPECT_EQ(model()->call("SetTagComboBoxText", "Admin"), Variant()) << "also by name";
  EXPECT_EQ(box->get("Text"), Variant("Admin"));
}

TEST_F(PaneControlServerTest, AWrongArgumentFailsTheCallWithTheControlsOwnError) {
  ASSERT_TRUE(control);
  ComVariant notAList = toComVariant(Variant("Support"), *bridge);
  const HRESULT hr = control->FillTagComboBox(notAList.get());
  ASSERT_TRUE(FAILED(hr));
  EXPECT_EQ(errorFromFailedCall(hr, control.get(), IID__InspectorPane).description(),
            "Type mismatch");
  try {
    model()->call("FillTagComboBox", "Support");
    FAIL() << "the late-bound call fails the same way";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "Type mismatch");
  }
}

TEST_F(PaneControlServerTest, ItsClassInformationNamesItsEventsWhichCanBeConnected) {
  ASSERT_TRUE(control);
  const auto classInfo = control.as<IProvideClassInfo2>(IID_IProvideClassInfo2);
  ASSERT_TRUE(classInfo);
  GUID source{};
  ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
  EXPECT_TRUE(IsEqualGUID(source, DIID___InspectorPane));
  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(coclass.put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, CLSID_InspectorPane));
  coclass->ReleaseTypeAttr(attributes);

  const auto container = control.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
  ASSERT_TRUE(container);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.put()), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(container->FindConnectionPoint(DIID___InspectorPane, point.put()), S_OK);
  PaneEventsSink sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  EXPECT_GT(sink.refs, 0u);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(sink.refs, 0u) << "the control let go of the sink";
}

TEST_F(PaneControlServerTest, TheModuleStaysWhileAControlLives) {
  ASSERT_TRUE(control);
  EXPECT_EQ(server.canUnloadNow(), S_FALSE);
  control.reset();
  EXPECT_EQ(server.canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace qh::win::test
