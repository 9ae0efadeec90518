// Which windows the controller wraps, in what order, and what it lets go of when released.
#include "core/cAddin.h"

#include "core/Lifecycle.h"
#include "core/cObjectStore.h"
#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using sim::outlook::Explorer;
using Messages = std::vector<std::string>;

class Controller : public InProcessAddinTest {
 protected:
  int registered() { return addinGlobals().gObjectStore->occupiedSlots(); }
  Ref<sim::outlook::AppointmentItem> addTime(const std::string& subject) {
    sim::outlook::AppointmentItem::Fields fields;
    fields.subject = subject;
    fields.start = Date::fromParts(2026, 12, 7, 9, 0, 0);
    return outlook.addAppointment(outlook.calendar(), fields);
  }
};

// Notes, in one shared record, when a window's bar is built (CommandBars is read) and when
// its selection is read; the fault filter only watches and never fails the call.
void watch(Explorer& explorer, const std::string& name, Messages& seen) {
  for (const char* member : {"CommandBars", "Selection"})
    explorer.failOn(member, "", sim::FaultMode::Always,
                    [&seen, name, member](CallKind, const Args&) {
                      const std::string entry = name + " " + member;
                      if (seen.empty() || seen.back() != entry) seen.push_back(entry);
                      return false;
                    });
}

TEST_F(Controller, StartupWrapsTheOpenWindowsInOrderBuildingEachBarBeforeReadingItsSelection) {
  Messages seen;
  watch(*outlook.openExplorer(outlook.calendar()), "first", seen);
  watch(*outlook.openExplorer(outlook.calendar()), "second", seen);
  watch(*outlook.openExplorer(outlook.calendar()), "third", seen);
  connect();
  EXPECT_EQ(registered(), 0) << "windows open at connection wait for start-up";
  AddinStartup();
  EXPECT_EQ(registered(), 3);
  EXPECT_EQ(seen, (Messages{"first CommandBars", "first Selection", "second CommandBars",
                            "second Selection", "third CommandBars", "third Selection"}));
  EXPECT_EQ(logMessages(), Messages{"Addin Startup"});
}

TEST_F(Controller, WrapsEachNewAppointmentInspectorOnce) {
  connectAndStart();
  Ref<sim::outlook::ItemWindow> inspector = outlook.openInspector(*addTime("Review"));
  EXPECT_EQ(registered(), 2) << "the wrapper and the Outlook Inspector it registers";
  outlook.reportNewInspector(*inspector);
  EXPECT_EQ(registered(), 2);
  EXPECT_EQ(logMessages(), (Messages{"Addin Startup", "Addin NewInspector", "Addin NewInspector"}));
}

TEST_F(Controller, LeavesOtherItemsAndTheSettingsItemUnwrapped) {
  connectAndStart();
  sim::outlook::Application& app = outlook.application();
  outlook.openInspector(*app.createItem(sim::outlook::kMailItem));
  outlook.openInspector(*app.createItem(sim::outlook::kContactItem));
  outlook.openInspector(*storeTagList("Support"));
  EXPECT_EQ(registered(), 0);

  // A subject that only differs in case is an ordinary Time.
  outlook.openInspector(*addTime("quillhour_settings1_"));
  EXPECT_EQ(registered(), 2);
}

TEST_F(Controller, AFailingNewInspectorGoesBackToOutlookAndWrapsNothing) {
  connectAndStart();
  Ref<sim::outlook::AppointmentItem> time = addTime("Review");
  time->failOn("Class", "The item is busy.");
  outlook.openInspector(*time);
  EXPECT_EQ(outlook.eventFailures(), Messages{"NewInspector: The item is busy."});
  EXPECT_EQ(registered(), 0);
}

TEST_F(Controller, ANewWindowIsWrappedAndShowsItsBar) {
  connectAndStart();
  Ref<Explorer> explorer = outlook.openExplorer(outlook.calendar());
  EXPECT_EQ(registered(), 1);
  EXPECT_EQ(logMessages(), (Messages{"Addin Startup", "Addin NewExplorer"}));
}

TEST_F(Controller, TracesOutlooksStartupAndQuitWithoutTearingDown) {
  connectAndStart();
  outlook.openExplorer(outlook.calendar());
  outlook.startup();
  outlook.quit();
  EXPECT_EQ(logMessages(),
            (Messages{"Addin Startup", "Addin NewExplorer", "Addin OutlookInstance_Startup",
                      "Addin OutlookInstance_Quit"}));
  EXPECT_EQ(registered(), 1);
  EXPECT_TRUE(addinGlobals().gAddin->OutlookInstance());
}

TEST_F(Controller, DestructReleasesOutlookAndEndsEveryEventSubscription) {
  connect();
  sim::outlook::Application& app = outlook.application();
  ASSERT_EQ(app.sinkCount(), 1u);
  addinGlobals().gAddin->Destruct();
  EXPECT_EQ(app.sinkCount(), 0u);
  EXPECT_EQ(app.explorers().sinkCount(), 0u);
  EXPECT_EQ(app.inspectors().sinkCount(), 0u);
  EXPECT_FALSE(addinGlobals().gAddin->OutlookInstance());
  EXPECT_FALSE(addinGlobals().gAddin->NameSpace());
  EXPECT_NO_THROW(addinGlobals().gAddin->Destruct());
}

TEST_F(Controller, AFailingNamespaceEndsInitAndReachesTheCaller) {
  outlook.application().failOn("GetNamespace", "The MAPI logon failed.");
  EXPECT_THROW(connect(), Error);
  EXPECT_FALSE(addinGlobals().gAddin->NameSpace());
  EXPECT_FALSE(addinGlobals().TagArray.assigned) << "the tag list was never read";
}

}  // namespace
}  // namespace qh::core::testing
