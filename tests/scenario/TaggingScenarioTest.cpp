// Choosing a tag in the explorer's "Tag:" box: which selected Times are rewritten and saved,
// and where tagging stops when a Time fails.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using Items = std::vector<Ref<sim::outlook::Item>>;

class Tagging : public ExplorerHostTest {
 protected:
  void SetUp() override {
    ExplorerHostTest::SetUp();
    storeTagList("Support; Admin; Travel; ");  // ends in an empty tag
    first = addTime("Review", "Support");
    second = addTime("Planning", "Admin, Travel");
    third = addTime("Lunch");
    explorer = startOnCalendar();
  }

  static std::string stored(const Time& time) { return time->savedValue("Categories").toString(); }

  Time first, second, third;
  Ref<Explorer> explorer;
};

TEST_F(Tagging, RewritesAndSavesOnlyTheTimesWhoseCategoriesDiffer) {
  outlook().select(*explorer, {first, second, third});
  tagBox(*explorer)->choose("Support");
  EXPECT_EQ(first->saveCount(), 0);
  EXPECT_EQ(stored(second), "Support") << "other categories are dropped";
  EXPECT_EQ(stored(third), "Support");
  EXPECT_EQ(second->saveCount(), 1);
  EXPECT_EQ(third->saveCount(), 1);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(Tagging, ComparesTagsCaseSensitively) {
  Time lower = addTime("Standup", "support");
  outlook().select(*explorer, {lower});
  tagBox(*explorer)->choose("Support");
  EXPECT_EQ(stored(lower), "Support");
}

TEST_F(Tagging, TagsEverySelectedItemThatHasCategories) {
  Ref<sim::outlook::Item> mail = outlook().application().createItem(sim::outlook::kMailItem);
  calendar().file(*mail);
  outlook().select(*explorer, {mail, third});
  tagBox(*explorer)->choose("Travel");
  EXPECT_EQ(mail->savedValue("Categories").toString(), "Travel");
  EXPECT_EQ(stored(third), "Travel");
}

TEST_F(Tagging, TypedTextAndAnEmptyChoiceChangeNothing) {
  outlook().select(*explorer, {third});
  tagBox(*explorer)->typeText("Support");
  EXPECT_EQ(third->saveCount(), 0);
  EXPECT_EQ(third->value("Categories").toString(), "");

  ASSERT_EQ(tagBox(*explorer)->entries().back(), "");
  outlook().select(*explorer, {first});
  tagBox(*explorer)->choose(4);  // the empty tag: an empty text is never written
  EXPECT_EQ(first->value("Categories").toString(), "Support");
  EXPECT_EQ(first->saveCount(), 0);
}

TEST_F(Tagging, StopsAtTheFirstFailingTimeAndKeepsTheEarlierOnesTagged) {
  second->failOn("Save", "The item was changed by another user.");
  outlook().select(*explorer, {third, second, first});
  tagBox(*explorer)->choose("Travel");
  EXPECT_EQ(stored(third), "Travel");
  EXPECT_EQ(second->value("Categories").toString(), "Travel") << "written before Save failed";
  EXPECT_EQ(stored(second), "Admin, Travel");
  EXPECT_EQ(first->value("Categories").toString(), "Support") << "not reached";
  EXPECT_EQ(eventFailures(),
            std::vector<std::string>{"Change: The item was changed by another user."});
}

TEST_F(Tagging, ASelectionPast32767ItemsOverflowsBeforeAnyTimeIsTagged) {
  Items many(32768, third);
  many.front() = first;
  outlook().select(*explorer, many);
  tagBox(*explorer)->choose("Admin");
  EXPECT_EQ(first->value("Categories").toString(), "Support");
  EXPECT_EQ(third->value("Categories").toString(), "");
  EXPECT_EQ(eventFailures(), std::vector<std::string>{"Change: Overflow"});
}

}  // namespace
}  // namespace qh::testing
