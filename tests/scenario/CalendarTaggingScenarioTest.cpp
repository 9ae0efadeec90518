// A whole road: two windows open, one shows the calendar, the user tags Times from its bar,
// then moves to the Outbox, where the bar hides and tagging does nothing.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using CalendarTagging = ExplorerHostTest;
using sim::outlook::kFolderInbox;
using sim::outlook::kFolderOutbox;

TEST_F(CalendarTagging, TagsTheSelectedTimesFromTheCalendarBarAndNothingInTheOutbox) {
  storeTagList("Support; Admin; Travel");
  Time review = addTime("Review", "Support");
  Time planning = addTime("Planning", "Admin");
  Time lunch = addTime("Lunch");
  Ref<sim::outlook::Item> outgoing = outlook().application().createItem(sim::outlook::kMailItem);
  outgoing->seedValue("Categories", "Travel");
  outlook().folder(kFolderOutbox).file(*outgoing);

  Ref<Explorer> mailWindow = outlook().openExplorer(outlook().folder(kFolderInbox));
  Ref<Explorer> window = outlook().openExplorer(outlook().folder(kFolderInbox));
  startAddin();
  EXPECT_FALSE(barShown(*mailWindow));
  EXPECT_FALSE(barShown(*window));

  outlook().switchFolder(*window, calendar());
  EXPECT_TRUE(barShown(*window));
  EXPECT_FALSE(barShown(*mailWindow));
  ASSERT_EQ(tagBox(*window)->entries(), (std::vector<std::string>{"Support", "Admin", "Travel"}));

  outlook().select(*window, {planning});
  EXPECT_EQ(tagBox(*window)->text(), "Admin");
  outlook().select(*window, {review, planning, lunch});
  EXPECT_EQ(tagBox(*window)->text(), "(Multiple)");

  tagBox(*window)->choose("Admin");
  EXPECT_EQ(review->savedValue("Categories").toString(), "Admin");
  EXPECT_EQ(lunch->savedValue("Categories").toString(), "Admin");
  EXPECT_EQ(review->saveCount(), 1);
  EXPECT_EQ(lunch->saveCount(), 1);
  EXPECT_EQ(planning->saveCount(), 0) << "it already carried the tag";
  EXPECT_EQ(tagBox(*mailWindow)->text(), "") << "the other window's box is its own";

  outlook().switchFolder(*window, outlook().folder(kFolderOutbox));
  EXPECT_FALSE(barShown(*window));
  EXPECT_EQ(tagBox(*window)->text(), "");
  // The user cannot reach a hidden bar; showing it proves the wrapper refuses as well.
  quillhourBar(*window)->put("Visible", true);
  tagBox(*window)->choose("Support");
  EXPECT_EQ(outgoing->value("Categories").toString(), "Travel");
  EXPECT_EQ(outgoing->saveCount(), 0);
  EXPECT_EQ(review->saveCount() + lunch->saveCount() + planning->saveCount(), 2);

  host().quit();
  EXPECT_EQ(quillhourBarCount(*window) + quillhourBarCount(*mailWindow), 0);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
