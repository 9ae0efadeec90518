#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "OutlookFixture.h"
#include "hosts/sim/outlook/Explorers.h"

namespace qh::sim::outlook {
namespace {

using sim::testing::EventRecorder;
using testing::OutlookTest;
using Events = std::vector<std::string>;

class ExplorerTest : public OutlookTest {
 protected:
  Ref<Explorer> openOnCalendar() {
    Ref<Explorer> explorer = outlook.openExplorer(outlook.calendar());
    windowEvents.listen(*explorer);
    return explorer;
  }

  EventRecorder windowEvents;
};

TEST_F(ExplorerTest, NewWindowJoinsTheCollectionThenNewExplorerIsRaised) {
  EventRecorder collection;
  collection.listen(app().explorers());
  size_t countSeen = 0;
  collection.setAction(
      [&](std::string_view, Args&) { countSeen = app().explorers().windows().size(); });

  Ref<Explorer> explorer = outlook.openExplorer(outlook.calendar());
  EXPECT_EQ(collection.events(), Events{"NewExplorer"});
  EXPECT_TRUE(sameObject(collection.argsOf(0).at(0).toObject().get(), explorer.get()));
  EXPECT_EQ(countSeen, 1u);
  Ref<Object> explorers = appObject()->getObject("Explorers");
  EXPECT_EQ(explorers->get("Count").toInt32(), 1);
  EXPECT_TRUE(sameObject(explorers->getObject("Item", 1).get(), explorer.get()));
}

TEST_F(ExplorerTest, SwitchingToATableFolderSelectsItsFirstItem) {
  Ref<Explorer> explorer = openOnCalendar();
  Folder& inbox = outlook.folder(kFolderInbox);
  Ref<Object> mail = appObject()->getObject("CreateItem", kMailItem);
  mail->call("Save");
  mail->call("Send");  // now in Sent Items
  outlook.switchFolder(*explorer, outlook.folder(kFolderSentMail));
  EXPECT_EQ(windowEvents.events(), (Events{"FolderSwitch", "SelectionChange"}));
  EXPECT_EQ(explorer->selection().size(), 1u);

  outlook.switchFolder(*explorer, inbox);  // empty: the selection empties
  EXPECT_EQ(windowEvents.events().size(), 4u);
  EXPECT_TRUE(explorer->selection().empty());
}

TEST_F(ExplorerTest, SwitchingToACalendarSelectsNothing) {
  Ref<Explorer> explorer = outlook.openExplorer(outlook.folder(kFolderInbox));
  windowEvents.listen(*explorer);
  addTime(outlook.calendar(), "Review");
  outlook.switchFolder(*explorer, outlook.calendar());
  EXPECT_EQ(windowEvents.events(), Events{"FolderSwitch"});
  EXPECT_TRUE(
      sameObject(Ref<Object>(explorer)->getObject("CurrentFolder").get(), &outlook.calendar()));
}

TEST_F(ExplorerTest, CodeSettingCurrentFolderSwitchesLikeTheUser) {
  Ref<Explorer> explorer = openOnCalendar();
  Ref<Object> outbox(static_cast<Object*>(&outlook.folder(kFolderOutbox)));
  Ref<Object>(explorer)->put("CurrentFolder", outbox);
  EXPECT_EQ(windowEvents.events(), Events{"FolderSwitch"});
  EXPECT_EQ(&explorer->currentFolder(), &outlook.folder(kFolderOutbox));
  EXPECT_THROW(Ref<Object>(explorer)->put("CurrentFolder", appObject()), Error);
}

TEST_F(ExplorerTest, SelectionIsASnapshotCountedFromOne) {
  Ref<Explorer> explorer = openOnCalendar();
  Ref<AppointmentItem> a = addTime(outlook.calendar(), "A");
  Ref<AppointmentItem> b = addTime(outlook.calendar(), "B");
  outlook.select(*explorer, {a, b});
  outlook.select(*explorer, {a, b});  // the same selection again still reports a change
  EXPECT_EQ(windowEvents.events(), (Events{"SelectionChange", "SelectionChange"}));

  Ref<Object> selection = Ref<Object>(explorer)->getObject("Selection");
  outlook.select(*explorer, {});
  EXPECT_EQ(selection->get("Count").toInt32(), 2);
  EXPECT_EQ(selection->getObject("Item", 2)->get("Subject").toString(), "B");
  EXPECT_THROW(selection->get("Item", 3), Error);
  EXPECT_EQ(Ref<Object>(explorer)->getObject("Selection")->get("Count").toInt32(), 0);
}

TEST_F(ExplorerTest, CloseIsRaisedWhileTheWindowIsStillListedThenItGoes) {
  Ref<Explorer> explorer = openOnCalendar();
  size_t listedDuringClose = 0;
  windowEvents.setAction(
      [&](std::string_view, Args&) { listedDuringClose = app().explorers().windows().size(); });
  Ref<Object>(explorer)->call("Activate");
  outlook.closeExplorer(*explorer);
  EXPECT_EQ(windowEvents.events(), (Events{"Activate", "Close"}));
  EXPECT_EQ(listedDuringClose, 1u);
  EXPECT_TRUE(app().explorers().windows().empty());
  EXPECT_THROW(Ref<Object>(explorer)->get("CurrentFolder"), Error);
  outlook.closeExplorer(*explorer);  // closing twice changes nothing
  EXPECT_EQ(windowEvents.events().size(), 2u);
}

TEST_F(ExplorerTest, EachWindowOwnsTheCommandBarsOfficeMakesForIt) {
  std::vector<Object*> madeFor;
  outlook.setCommandBarsFactory([&](Object& window) {
    madeFor.push_back(&window);
    return Ref<Object>(makeRef<Explorers>(WeakLink<Application>()));  // any object serves
  });
  Ref<Explorer> first = openOnCalendar();
  Ref<Explorer> second = outlook.openExplorer(outlook.calendar());
  Ref<Object> bars = Ref<Object>(first)->getObject("CommandBars");
  EXPECT_TRUE(sameObject(Ref<Object>(first)->getObject("CommandBars").get(), bars.get()));
  EXPECT_FALSE(sameObject(Ref<Object>(second)->getObject("CommandBars").get(), bars.get()));
  EXPECT_EQ(madeFor, (std::vector<Object*>{first.get(), second.get()}));

  const long before = bars->refCount();
  outlook.closeExplorer(*first);
  EXPECT_EQ(bars->refCount(), before - 1);  // the closed window let its bars go
}

TEST_F(ExplorerTest, WithoutOfficeAWindowHasNoCommandBars) {
  Ref<Explorer> explorer = openOnCalendar();
  EXPECT_THROW(Ref<Object>(explorer)->get("CommandBars"), Error);
}

TEST_F(ExplorerTest, AFailingHandlerIsRecordedAndTheOtherSinksStillHearTheEvent) {
  Ref<Explorer> explorer = openOnCalendar();
  EventRecorder second;
  second.listen(*explorer);
  windowEvents.setAction(
      [](std::string_view, Args&) { throw Error(91, "Object variable not set"); });
  outlook.activate(*explorer);
  EXPECT_EQ(second.events(), Events{"Activate"});
  EXPECT_EQ(outlook.eventFailures(), std::vector<std::string>{"Activate: Object variable not set"});
}

}  // namespace
}  // namespace qh::sim::outlook
