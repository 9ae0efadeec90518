// The add-in's globals through connection and the shutdown procedure, run once or repeatedly.
#include "core/Lifecycle.h"

#include <functional>

#include "core/Log.h"
#include "core/cAddin.h"
#include "core/cObjectStore.h"
#include "hosts/sim/office/CommandBars.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using Lifecycle = InProcessAddinTest;

// A registered object that reports what it finds when the registry lets it go.
class EndProbe : public Object {
 public:
  explicit EndProbe(std::function<void()> atEnd) : atEnd_(std::move(atEnd)) {}
  ~EndProbe() override { atEnd_(); }
  Variant invoke(std::string_view, CallKind, Args&) override { return {}; }

 private:
  std::function<void()> atEnd_;
};

TEST_F(Lifecycle, ConnectionSetsTheGlobalsAndReadsTheTagList) {
  storeTagList("Support; Admin");
  connect();
  AddinGlobals& g = addinGlobals();
  ASSERT_TRUE(g.gAddin);
  ASSERT_TRUE(g.gObjectStore);
  EXPECT_TRUE(g.gAddin->OutlookInstance());
  EXPECT_TRUE(g.gAddin->Explorers());
  EXPECT_TRUE(g.gAddin->Inspectors());
  EXPECT_EQ(g.TagArray.items, (std::vector<std::string>{"Support", "Admin"}));
  EXPECT_FALSE(g.gCTPFactory);
}

TEST_F(Lifecycle, ShutdownEmptiesTheRegistryWhileTheControllerStillHoldsOutlook) {
  connectAndStart();
  bool outlookHeld = false;
  bool registrySet = false;
  addinGlobals().gObjectStore->Add(makeRef<EndProbe>([&] {
    outlookHeld = addinGlobals().gAddin && addinGlobals().gAddin->OutlookInstance();
    registrySet = static_cast<bool>(addinGlobals().gObjectStore);
  }));
  addinGlobals().gCTPFactory = sim::makeCommandBars();  // any object stands in for a factory
  Ref<cObjectStore> registry = addinGlobals().gObjectStore;

  AddinShutdown();
  EXPECT_TRUE(outlookHeld);
  EXPECT_TRUE(registrySet) << "wrappers that remove themselves find the registry in place";
  EXPECT_EQ(registry->occupiedSlots(), 0);
  EXPECT_FALSE(addinGlobals().gAddin);
  EXPECT_FALSE(addinGlobals().gObjectStore);
  EXPECT_FALSE(addinGlobals().gCTPFactory);
  EXPECT_EQ(outlook.application().sinkCount(), 0u);
  EXPECT_FALSE(logWindow()) << "the log window is closed";
  EXPECT_TRUE(addinGlobals().TagArray.assigned) << "the tag list outlives the shutdown";
}

TEST_F(Lifecycle, ALaterShutdownChangesNothing) {
  connectAndStart();
  AddinShutdown();
  WriteLog("after the first shutdown");  // opens a new log window
  AddinShutdown();
  AddinShutdown();
  ASSERT_TRUE(logWindow());
  EXPECT_FALSE(system.forms().isVisible(*logWindow()));
  EXPECT_EQ(logMessages(), std::vector<std::string>{"after the first shutdown"});
}

TEST_F(Lifecycle, ShutdownWithNothingCreatedDoesNothing) {
  EXPECT_NO_THROW(AddinShutdown());
  EXPECT_FALSE(logWindow());
}

}  // namespace
}  // namespace qh::core::testing
