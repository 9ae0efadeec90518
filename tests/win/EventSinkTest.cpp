// Host events reaching the add-in: DispatchObject::advise over a fake Outlook object whose
// connection points, like Outlook's, ask the sink for the event interface itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <olectl.h>

#include "automation/Events.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "tests/win/CountingDispatch.h"
#include "tests/win/FakeEventSource.h"

namespace qh::win::test {
namespace {

IID microsoftIid(unsigned long data1) {
  return IID{data1, 0, 0, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}
const IID kApplicationEvents11 = microsoftIid(0x0006302C);
const IID kApplicationEvents10 = microsoftIid(0x0006300E);  // older: same DISPIDs, not ours
const IID kCommandBarButtonEvents = microsoftIid(0x000C0351);

// Records events as "Name(arg types)" and sets the by-reference flag it is told to.
class RecordingSink : public EventSink {
 public:
  std::vector<std::string> events;
  bool cancel = false;
  const char* failWith = nullptr;

  void onEvent(std::string_view name, Args& args) override {
    std::string line(name);
    line += "(";
    for (size_t i = 0; i < args.size(); ++i)
      line += (i ? "," : "") + std::string(typeName(args[i].type()));
    events.push_back(line + ")");
    if (failWith) throw Error(1004, failWith);
    if (cancel && !args.empty()) args.back() = Variant(true);
  }
};

VARIANTARG byRef(VARIANT_BOOL& flag) {
  VARIANTARG v;
  V_VT(&v) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&v) = &flag;
  return v;
}

VARIANTARG dispatch(IDispatch* d) {
  VARIANTARG v;
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = d;
  return v;
}

class EventSinkTest : public ::testing::Test {
 protected:
  Ref<Object> wrap(FakeEventSource* source) {
    return makeRef<DispatchObject>(bridge, ComPtr<IDispatch>(source));
  }

  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  RecordingSink sink;
  CountingDispatch item;
};

TEST_F(EventSinkTest, TheDefaultSourceIsFoundAndItsEventsAreNamed) {
  ComPtr<FakeEventSource> outlook(
      new FakeEventSource({kApplicationEvents10, kApplicationEvents11}, &kApplicationEvents11));
  auto connection = wrap(outlook.get())->advise(sink);
  FakeConnectionPoint& point = outlook->point(1);
  ASSERT_EQ(point.sinks.size(), 1u);
  EXPECT_TRUE(outlook->point(0).sinks.empty());

  VARIANT_BOOL cancel = VARIANT_FALSE;
  EXPECT_EQ(point.fire(0xF006, {}), S_OK);
  EXPECT_EQ(point.fire(0xF002, {byRef(cancel), dispatch(&item)}), S_OK);
  EXPECT_EQ(sink.events, (std::vector<std::string>{"Startup()", "ItemSend(Object,Boolean)"}));
  EXPECT_EQ(cancel, VARIANT_FALSE);
}

TEST_F(EventSinkTest, ASinkSetsCancelThroughTheReference) {
  ComPtr<FakeEventSource> outlook(
      new FakeEventSource({kApplicationEvents11}, &kApplicationEvents11));
  auto connection = wrap(outlook.get())->advise(sink);
  sink.cancel = true;
  VARIANT_BOOL cancel = VARIANT_FALSE;
  outlook->point(0).fire(0xF002, {byRef(cancel), dispatch(&item)});
  EXPECT_EQ(cancel, VARIANT_TRUE);
}

TEST_F(EventSinkTest, EventsTheAddinDoesNotHandleAreIgnored) {
  ComPtr<FakeEventSource> outlook(
      new FakeEventSource({kApplicationEvents11}, &kApplicationEvents11));
  auto connection = wrap(outlook.get())->advise(sink);
  EXPECT_EQ(outlook->point(0).fire(0xF003, {}), S_OK);  // NewMail
  EXPECT_TRUE(sink.events.empty());
}

TEST_F(EventSinkTest, WithoutClassInfoTheFirstKnownConnectionPointIsUsed) {
  ComPtr<FakeEventSource> button(
      new FakeEventSource({kApplicationEvents10, kCommandBarButtonEvents}, nullptr));
  auto connection = wrap(button.get())->advise(sink);
  ASSERT_EQ(button->point(1).sinks.size(), 1u);
  VARIANT_BOOL cancelDefault = VARIANT_FALSE;
  button->point(1).fire(1, {byRef(cancelDefault), dispatch(&item)});
  EXPECT_EQ(sink.events, std::vector<std::string>{"Click(Object,Boolean)"});
}

TEST_F(EventSinkTest, DroppingTheConnectionUnadvisesAndSilencesTheSink) {
  ComPtr<FakeEventSource> outlook(
      new FakeEventSource({kApplicationEvents11}, &kApplicationEvents11));
  FakeConnectionPoint& point = outlook->point(0);
  ComPtr<IDispatch> kept;
  {
    auto connection = wrap(outlook.get())->advise(sink);
    kept = point.sinks[0];  // a source that goes on holding the sink
  }
  EXPECT_EQ(point.unadvises, 1);
  DISPPARAMS none{};
  EXPECT_EQ(kept->Invoke(0xF006, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_TRUE(sink.events.empty());
}

TEST_F(EventSinkTest, AHandlersFailureGoesBackToTheSource) {
  ComPtr<FakeEventSource> outlook(
      new FakeEventSource({kApplicationEvents11}, &kApplicationEvents11));
  auto connection = wrap(outlook.get())->advise(sink);
  sink.failWith = "Addin: failed";
  EXCEPINFO info{};
  EXPECT_EQ(outlook->point(0).fire(0xF007, {}, &info), DISP_E_EXCEPTION);
  EXPECT_EQ(Bstr::adopt(info.bstrDescription).toUtf8(), "Addin: failed");
}

TEST_F(EventSinkTest, AnObjectWithoutKnownEventsRefusesTheSink) {
  ComPtr<FakeEventSource> other(new FakeEventSource({kApplicationEvents10}, &kApplicationEvents10));
  EXPECT_THROW(wrap(other.get())->advise(sink), Error);
  const Ref<Object> plain = makeRef<DispatchObject>(bridge, ComPtr<IDispatch>(&item));
  try {
    plain->advise(sink);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), static_cast<std::int32_t>(ErrorCode::ActionNotSupported));
  }
}

}  // namespace
}  // namespace qh::win::test
