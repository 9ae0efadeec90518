// Our own object's events reaching a COM client: SampleObject raises through its ComDispatch's
// connection point, and a DispatchObject on the other side receives them by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <olectl.h>

#include "automation/Events.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

class CancellingSink : public EventSink {
 public:
  std::vector<std::string> names;
  void onEvent(std::string_view name, Args& args) override {
    names.emplace_back(name);
    if (name == "ItemSend") args.at(1) = Variant(true);
  }
};

class ComEventsTest : public ::testing::Test {
 protected:
  ComEventsTest() {
    const IID applicationEvents11{
        0x0006302C, 0, 0, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    const EventInterface* events = bridge->eventInterfaces().find(applicationEvents11);
    bridge->setEventChooser(
        [this, events](Object& o) { return &o == sample.get() ? events : nullptr; });
    remote = makeRef<DispatchObject>(bridge, bridge->dispatchFor(*sample));
  }

  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  Ref<SampleObject> sample = makeRef<SampleObject>();
  Ref<Object> remote;
  CancellingSink sink;
};

TEST_F(ComEventsTest, EventsCrossWithTheirNamesAndCancelComesBack) {
  auto connection = remote->advise(sink);
  EXPECT_EQ(sample->sinkCount(), 1u);
  Args send{Variant(makeRef<SampleObject>("mail")), Variant(false)};
  sample->raise("ItemSend", send);
  Args none;
  sample->raise("Quit", none);
  EXPECT_EQ(sink.names, (std::vector<std::string>{"ItemSend", "Quit"}));
  EXPECT_EQ(send[1], Variant(true));
}

TEST_F(ComEventsTest, EventsOutsideTheInterfaceAreNotSent) {
  auto connection = remote->advise(sink);
  Args none;
  sample->raise("NewMail", none);
  EXPECT_TRUE(sink.names.empty());
}

TEST_F(ComEventsTest, EndingTheConnectionEndsTheSubscription) {
  auto connection = remote->advise(sink);
  auto second = remote->advise(sink);
  EXPECT_EQ(sample->sinkCount(), 2u);
  connection.reset();
  EXPECT_EQ(sample->sinkCount(), 1u);
  second.reset();
  EXPECT_EQ(sample->sinkCount(), 0u);
}

TEST_F(ComEventsTest, TheConnectionPointNamesItsInterfaceAndRefusesOthers) {
  const ComPtr<IDispatch> face = bridge->dispatchFor(*sample);
  const auto container = face.as<IConnectionPointContainer>();
  ASSERT_TRUE(container);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.put()), CONNECT_E_NOCONNECTION);
  ComPtr<IEnumConnectionPoints> all;
  ASSERT_EQ(container->EnumConnectionPoints(all.put()), S_OK);
  ASSERT_EQ(all->Next(1, point.put(), nullptr), S_OK);
  IID iid{};
  point->GetConnectionInterface(&iid);
  EXPECT_EQ(iid.Data1, 0x0006302Cul);
  EXPECT_EQ(all->Next(1, point.put(), nullptr), S_FALSE);
  DWORD cookie = 0;
  EXPECT_EQ(point.get(), nullptr);
  ASSERT_EQ(container->FindConnectionPoint(iid, point.put()), S_OK);
  EXPECT_EQ(point->Unadvise(77), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
}

}  // namespace
}  // namespace qh::win::test
