// The inspector wrapper on its own, around windows the simulated host cannot produce: one
// whose current item is empty.
#include "itemwindow/ItemWindow.h"

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/cObjectStore.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::inspector {
namespace {

// An inspector window that shows nothing (CurrentItem is Nothing), counting what is asked
// of it, and raising its events when the test says so.
class EmptyInspector : public Object {
 public:
  Variant invoke(std::string_view name, CallKind, Args&) override {
    asked.emplace_back(name);
    if (memberNameEquals(name, "CurrentItem")) return Variant(Ref<Object>());
    throw Error(ErrorCode::NotSupported);
  }
  std::unique_ptr<Connection> advise(EventSink& sink) override { return events.advise(sink); }

  EventSource events;
  std::vector<std::string> asked;
};

// A task-pane factory that must not be used.
class UnusedFactory : public Object {
 public:
  Variant invoke(std::string_view name, CallKind, Args&) override {
    ADD_FAILURE() << "the factory was asked for " << name;
    return {};
  }
};

class cInspectorAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    core::globals().system = &system;
    core::globals().gObjectStore = makeRef<core::cObjectStore>();
    core::globals().gCTPFactory = makeRef<UnusedFactory>();
  }
  void TearDown() override {
    core::resetGlobals();
    core::globals().system = nullptr;
  }
  core::cObjectStore& store() { return *core::globals().gObjectStore; }

  sim::SimSystem system;
};

TEST_F(cInspectorAlone, AnEmptyWindowGetsNeitherBarNorPaneAndItsCloseStillEndsTheWrapper) {
  auto window = makeRef<EmptyInspector>();
  Ref<cInspector> wrapper = cInspector::Create();
  wrapper->Init(window);
  EXPECT_EQ(window->asked, std::vector<std::string>{"CurrentItem"}) << "no command bars asked for";
  EXPECT_TRUE(store().Exists(window.get()));
  EXPECT_TRUE(store().Exists(wrapper.get()));
  EXPECT_EQ(window->events.sinkCount(), 1u);

  window->events.raise("Close");
  EXPECT_EQ(store().occupiedSlots(), 0);
  EXPECT_EQ(window->events.sinkCount(), 0u);
  EXPECT_EQ(wrapper->refCount(), 1) << "only the test holds the wrapper now";
  EXPECT_FALSE(wrapper->get("Inspector").toObject());
}

TEST_F(cInspectorAlone, RemovingWhatWasNeverAddedDoesNothing) {
  Ref<cInspector> wrapper = cInspector::Create();
  wrapper->call("RemoveCommandBar");
  wrapper->call("RemoveTaskPane");
  EXPECT_FALSE(core::globals().mainForm) << "nothing was logged";
  EXPECT_FALSE(wrapper->get("TagComboBox").toObject());
}

TEST_F(cInspectorAlone, TheRegistryHoldsTheOnlyLastingReference) {
  auto window = makeRef<EmptyInspector>();
  Object* raw = nullptr;
  {
    Ref<cInspector> wrapper = cInspector::Create();
    wrapper->Init(window);
    raw = wrapper.get();
  }
  EXPECT_TRUE(store().Exists(raw));
  store().DeleteAll();
  EXPECT_EQ(window->events.sinkCount(), 0u) << "the wrapper ended with its registry entry";
  EXPECT_EQ(window->refCount(), 1);
}

}  // namespace
}  // namespace qh::inspector
