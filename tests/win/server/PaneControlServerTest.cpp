// QuillhourControls.dll's class InspectorPane as Office meets it in a task pane: its dual
// interface reaching the control's model, its class information and its (silent) events.
#include <gtest/gtest.h>

#include <QuillhourControls_h.h>
#include <olectl.h>

#include "hosts/win/automation/Bstr.h"
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

TEST_F(PaneControlServerTest, TheInterfacesMethodsTakeTheirArgumentsByReference) {
  ASSERT_TRUE(control);
  ComVariant tags = toComVariant(Variant(StringArray::of({" Admin ", "Support"})), *bridge);
  SAFEARRAY* array = V_ARRAY(&tags.get());
  ASSERT_EQ(control->FillTagComboBox(&array), S_OK);
  Bstr text(L"Support");
  BSTR textArgument = text.get();
  ASSERT_EQ(control->SetTagComboBoxText(&textArgument), S_OK);
  CountingDispatch item;
  IDispatch* itemArgument = &item;
  ASSERT_EQ(control->SetAppointmentItem(&itemArgument), S_OK);
  EXPECT_GT(item.refs, 0u) << "the control keeps its own reference";
  EXPECT_EQ(array, V_ARRAY(&tags.get()));
  EXPECT_EQ(textArgument, text.get());
  EXPECT_EQ(itemArgument, &item) << "the arguments are left as they were";

  Ref<Object> box = model()->getObject("TagComboBox");
  EXPECT_EQ(box->get("ListCount"), Variant(2));
  EXPECT_EQ(box->get("List", 0), Variant("Admin")) << "entries are trimmed of spaces";
  EXPECT_EQ(box->get("Text"), Variant("Support"));
  EXPECT_EQ(control->SetTagComboBoxText(nullptr), E_POINTER);
  box.reset();
  control.reset();
  EXPECT_EQ(item.refs, 0u) << "the control's end releases the item";
}

// What the add-in does: call the three methods by name through IDispatch, each argument by
// reference, in the automation type it happens to hold.
TEST_F(PaneControlServerTest, LateBoundCallsConvertArgumentsToTheDeclaredTypes) {
  ASSERT_TRUE(control);
  ComPtr<IDispatch> dispatch = control.as<IDispatch>(IID_IDispatch);
  const auto call = [&dispatch](const wchar_t* name, VARTYPE type, void* reference) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, 1033, &id), S_OK);
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BYREF | type;
    V_BYREF(&argument) = reference;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    return dispatch->Invoke(id, IID_NULL, 1033, DISPATCH_METHOD, &params, nullptr, nullptr,
                            nullptr);
  };
  Ref<Object> box = model()->getObject("TagComboBox");

  // An array of VARIANTs holding a text and a number: the entries "Admin" and "5".
  SAFEARRAY* mixed = SafeArrayCreateVector(VT_VARIANT, 0, 2);
  LONG index = 0;
  ComVariant element = toComVariant(Variant("Admin"), *bridge);
  SafeArrayPutElement(mixed, &index, &element.get());
  index = 1;
  element = toComVariant(Variant(5), *bridge);
  SafeArrayPutElement(mixed, &index, &element.get());
  EXPECT_EQ(call(L"FillTagComboBox", VT_ARRAY | VT_VARIANT, &mixed), S_OK);
  SafeArrayDestroy(mixed);
  EXPECT_EQ(box->get("ListCount"), Variant(2));
  EXPECT_EQ(box->get("List", 1), Variant("5"));

  // A number for the text, then a text inside a VARIANT.
  LONG number = 42;
  EXPECT_EQ(call(L"SetTagComboBoxText", VT_I4, &number), S_OK);
  EXPECT_EQ(box->get("Text"), Variant("42"));
  ComVariant text = toComVariant(Variant("Support"), *bridge);
  EXPECT_EQ(call(L"SetTagComboBoxText", VT_VARIANT, &text.get()), S_OK);
  EXPECT_EQ(box->get("Text"), Variant("Support"));

  // The item as an IUnknown, which the control asks for its IDispatch.
  CountingDispatch item;
  IUnknown* unknown = &item;
  EXPECT_EQ(call(L"SetAppointmentItem", VT_UNKNOWN, &unknown), S_OK);
  EXPECT_GT(item.refs, 0u);
  box.reset();
  dispatch.reset();
  control.reset();
  EXPECT_EQ(item.refs, 0u);
}

TEST_F(PaneControlServerTest, AWrongArgumentFailsTheCallWithTheControlsOwnError) {
  ASSERT_TRUE(control);
  SAFEARRAY* numbers = SafeArrayCreateVector(VT_I4, 0, 2);
  const HRESULT hr = control->FillTagComboBox(&numbers);
  SafeArrayDestroy(numbers);
  ASSERT_TRUE(FAILED(hr)) << "an array of numbers is not read as strings";
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
