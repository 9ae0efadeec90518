#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class FolderTest : public OutlookTest {
 protected:
  Ref<Object> nameSpace() { return appObject()->getObject("GetNamespace", "MAPI"); }
  Ref<Object> defaultFolder(int which) { return nameSpace()->getObject("GetDefaultFolder", which); }
};

TEST_F(FolderTest, DefaultFoldersHaveOutlooksNamesAndTheMailboxAsParent) {
  EXPECT_EQ(defaultFolder(kFolderCalendar)->get("Name").toString(), "Calendar");
  EXPECT_EQ(defaultFolder(kFolderInbox)->get("Name").toString(), "Inbox");
  EXPECT_EQ(defaultFolder(kFolderOutbox)->get("Name").toString(), "Outbox");
  Ref<Object> root = defaultFolder(kFolderCalendar)->getObject("Parent");
  EXPECT_EQ(root->get("Name").toString(), "Mailbox - User");
  EXPECT_TRUE(sameObject(root->getObject("Parent").get(), nameSpace().get()));
  EXPECT_TRUE(sameObject(nameSpace()->getObject("Parent").get(), appObject().get()));
}

TEST_F(FolderTest, TheSameDefaultFolderIsTheSameObject) {
  EXPECT_TRUE(sameObject(defaultFolder(kFolderCalendar).get(), defaultFolder(9).get()));
  EXPECT_TRUE(sameObject(appObject()->getObject("Session").get(), nameSpace().get()));
}

TEST_F(FolderTest, AFolderPrintsAsItsName) {
  EXPECT_EQ(defaultFolder(kFolderCalendar)->get("").toString(), "Calendar");
  EXPECT_EQ(Variant(defaultFolder(kFolderInbox)).toString(), "Inbox");
}

TEST_F(FolderTest, FoldersCompareByDefaultValueSoAnotherCalendarEqualsTheDefaultOne) {
  Folder& archive = outlook.addFolder(outlook.nameSpace().root(), "Archive");
  Folder& archivedCalendar = outlook.addFolder(archive, "Calendar");
  const Variant calendar(defaultFolder(kFolderCalendar));

  EXPECT_TRUE(variantEquals(Variant(static_cast<Object*>(&archivedCalendar)), calendar));
  EXPECT_FALSE(variantEquals(Variant(static_cast<Object*>(&archive)), calendar));
  EXPECT_FALSE(variantEquals(Variant(defaultFolder(kFolderInbox)), calendar));
  EXPECT_FALSE(sameObject(&archivedCalendar, calendar.toObject().get()));
}

TEST_F(FolderTest, UnknownDefaultFoldersAndNamespacesRaise) {
  try {
    defaultFolder(18);
    FAIL() << "a folder the mailbox lacks was found";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "The attempted operation failed.  An object could not be found.");
  }
  EXPECT_THROW(appObject()->call("GetNamespace", "EXCHANGE"), Error);
  EXPECT_NO_THROW(appObject()->call("GetNamespace", "mapi"));
}

TEST_F(FolderTest, FolderMembersCanBeMadeToFailOnceOrForChosenArguments) {
  NameSpace& ns = outlook.nameSpace();
  ns.failOn("GetDefaultFolder", "The server is not available", FaultMode::Always,
            [](CallKind, const Args& args) { return args.at(0).toInt32() == kFolderOutbox; });
  EXPECT_THROW(defaultFolder(kFolderOutbox), Error);
  EXPECT_NO_THROW(defaultFolder(kFolderCalendar));
  EXPECT_THROW(defaultFolder(kFolderOutbox), Error);

  outlook.calendar().failOn("Items", "Network problems", FaultMode::Once);
  EXPECT_THROW(defaultFolder(kFolderCalendar)->get("Items"), Error);
  EXPECT_NO_THROW(defaultFolder(kFolderCalendar)->get("Items"));
}

}  // namespace
}  // namespace qh::sim::outlook
