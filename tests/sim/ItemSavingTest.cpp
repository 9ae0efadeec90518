#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class ItemSaving : public OutlookTest {
 protected:
  Ref<Object> newAppointment() { return appObject()->getObject("CreateItem", kAppointmentItem); }
};

TEST_F(ItemSaving, NewItemBelongsToNoFolderUntilItsFirstSave) {
  Ref<Object> item = newAppointment();
  item->put("Subject", "Quillhour_Settings1_");
  EXPECT_TRUE(outlook.calendar().items().empty());
  EXPECT_EQ(item->get("EntryID").toString(), "");
  EXPECT_FALSE(item->get("Saved").toBool());
  EXPECT_TRUE(item->get("Parent").toObject() == nullptr);

  item->call("Save");
  ASSERT_EQ(outlook.calendar().items().size(), 1u);
  EXPECT_TRUE(sameObject(outlook.calendar().items()[0].get(), item.get()));
  EXPECT_NE(item->get("EntryID").toString(), "");
  EXPECT_TRUE(item->get("Saved").toBool());
  EXPECT_TRUE(sameObject(item->getObject("Parent").get(), &outlook.calendar()));
}

TEST_F(ItemSaving, ChangesReachTheMailboxOnlyWhenSaved) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Review", "Support");
  time->put("Categories", "Project A");
  EXPECT_EQ(time->get("Categories").toString(), "Project A");
  EXPECT_EQ(time->savedValue("Categories").toString(), "Support");
  EXPECT_FALSE(time->saved());
  EXPECT_EQ(time->saveCount(), 0);

  time->call("Save");
  EXPECT_EQ(time->savedValue("Categories").toString(), "Project A");
  EXPECT_EQ(time->saveCount(), 1);
  time->call("Save");
  EXPECT_EQ(time->saveCount(), 2);  // every Save counts, changed or not
  EXPECT_EQ(outlook.calendar().items().size(), 1u);
}

TEST_F(ItemSaving, CloseSavesDiscardsOrAsksAsTold) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Review", "Support");

  time->put("Categories", "Discarded");
  time->call("Close", static_cast<int>(SaveMode::Discard));
  EXPECT_EQ(time->value("Categories").toString(), "Support");
  EXPECT_TRUE(time->saved());

  time->put("Categories", "Kept");
  time->call("Close", static_cast<int>(SaveMode::Save));
  EXPECT_EQ(time->savedValue("Categories").toString(), "Kept");

  time->call("Close", static_cast<int>(SaveMode::Save));
  EXPECT_EQ(time->saveCount(), 1);  // nothing changed: nothing to save

  outlook.setSaveWhenPrompted(false);
  time->put("Categories", "Refused");
  time->call("Close", static_cast<int>(SaveMode::Prompt));
  EXPECT_EQ(time->value("Categories").toString(), "Kept");

  outlook.setSaveWhenPrompted(true);
  time->put("Categories", "Accepted");
  time->call("Close", static_cast<int>(SaveMode::Prompt));
  EXPECT_EQ(time->savedValue("Categories").toString(), "Accepted");

  EXPECT_THROW(time->call("Close", 3), Error);
}

TEST_F(ItemSaving, CloseWithSaveStoresANewItemInTheDefaultFolderOfItsKind) {
  Ref<Object> settings = newAppointment();
  settings->put("Subject", "Quillhour_Settings1_");
  settings->put("Body", "Admin; Support");
  settings->call("Close", static_cast<int>(SaveMode::Save));
  ASSERT_EQ(outlook.calendar().items().size(), 1u);
  EXPECT_EQ(outlook.calendar().items()[0]->savedValue("Body").toString(), "Admin; Support");

  Ref<Object> mail = appObject()->getObject("CreateItem", kMailItem);
  mail->call("Save");
  EXPECT_EQ(outlook.folder(kFolderDrafts).items().size(), 1u);
  Ref<Object> contact = appObject()->getObject("CreateItem", kContactItem);
  contact->call("Save");
  EXPECT_EQ(outlook.folder(kFolderContacts).items().size(), 1u);
}

TEST_F(ItemSaving, ANewItemNeverChangedClosesWithoutAPromptAndStaysUnsaved) {
  Ref<Object> untouched = newAppointment();
  untouched->call("Close", static_cast<int>(SaveMode::Prompt));
  EXPECT_TRUE(outlook.calendar().items().empty());
  EXPECT_TRUE(outlook.application().savePrompts().empty());

  Ref<Object> typed = newAppointment();
  typed->put("Subject", "Design review");
  typed->call("Close", static_cast<int>(SaveMode::Prompt));
  ASSERT_EQ(outlook.application().savePrompts().size(), 1u);
  EXPECT_EQ(outlook.application().savePrompts()[0].subject, "Design review");
  EXPECT_TRUE(outlook.application().savePrompts()[0].saved);
  EXPECT_EQ(outlook.calendar().items().size(), 1u);
}

TEST_F(ItemSaving, ItemsAddFilesTheNewItemInItsOwnFolder) {
  Folder& archive = outlook.addFolder(outlook.nameSpace().root(), "Archive");
  Ref<Object> item = Ref<Object>(&archive)->getObject("Items")->getObject("Add");
  EXPECT_EQ(item->get("Class").toInt32(), kClassAppointment);
  EXPECT_TRUE(archive.items().empty());
  item->call("Save");
  EXPECT_EQ(archive.items().size(), 1u);
  EXPECT_TRUE(outlook.calendar().items().empty());
}

TEST_F(ItemSaving, EveryStoredItemHasItsOwnEntryId) {
  Ref<AppointmentItem> a = addTime(outlook.calendar(), "A");
  Ref<AppointmentItem> b = addTime(outlook.calendar(), "B");
  Ref<Object> c = newAppointment();
  c->call("Save");
  EXPECT_NE(a->entryId(), b->entryId());
  EXPECT_NE(b->entryId(), c->get("EntryID").toString());
  EXPECT_EQ(a->saveCount(), 0);  // what the mailbox held before is not a save
}

TEST_F(ItemSaving, DeletedItemsLeaveTheirFolderAndFailAfterwards) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Old");
  time->call("Delete");
  EXPECT_TRUE(outlook.calendar().items().empty());
  ASSERT_EQ(app().deletedItems().size(), 1u);
  try {
    time->get("Subject");
    FAIL() << "a deleted item answered";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "The item has been moved or deleted.");
  }
}

TEST_F(ItemSaving, AnItemKeptAfterTheHostEndedFailsInsteadOfReachingIt) {
  Ref<Object> item;
  {
    SimOutlook gone(system);
    item = gone.applicationObject()->getObject("CreateItem", kAppointmentItem);
  }
  item->put("Subject", "Late");
  EXPECT_THROW(item->call("Save"), Error);
  EXPECT_THROW(item->call("Display"), Error);
}

}  // namespace
}  // namespace qh::sim::outlook
