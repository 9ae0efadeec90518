#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

// IsQuillhourTagged: the whole categories text must equal one tag, letter case counting.
class TagTest : public ExportHostTest {
 protected:
  bool tagged(const std::string& tagList, const std::string& categories, bool withSettings = true) {
    if (withSettings) setTagList(tagList);
    Ref<Object> time = addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0), categories);
    start();
    return openDialog()->call("IsQuillhourTagged", time).toBool();
  }
};

TEST_F(TagTest, AWholeTagInTheSameCaseIsATag) {
  EXPECT_TRUE(tagged("Support; Project", "Project"));
}

TEST_F(TagTest, LetterCaseCounts) {
  EXPECT_FALSE(tagged("project", "Project"));
}

TEST_F(TagTest, SeveralCategoriesCountOnlyAsTheirWholeText) {
  EXPECT_FALSE(tagged("Project; Internal", "Project, Internal"));
}

TEST_F(TagTest, SeveralCategoriesCountWhenTheWholeTextIsATag) {
  EXPECT_TRUE(tagged("Project, Internal", "Project, Internal"));
}

TEST_F(TagTest, APartOfATagIsNoTag) {
  EXPECT_FALSE(tagged("Project A", "Project"));
}

TEST_F(TagTest, EmptyCategoriesCountAsTaggedByAnEmptyList) {
  EXPECT_TRUE(tagged("", "", /*withSettings=*/false));
}

TEST_F(TagTest, EmptyCategoriesCountAsTaggedByAnEmptyElement) {
  EXPECT_TRUE(tagged("Project; ", ""));
}

TEST_F(TagTest, EmptyCategoriesAreNoTagOfAListWithoutEmptyElements) {
  EXPECT_FALSE(tagged("Project", ""));
}

TEST_F(TagTest, TagsKeepTheirSpacesInTheTest) {
  EXPECT_FALSE(tagged(" Project ", "Project"));
}

TEST_F(TagTest, AnUnreadableCategoryLogsAndCountsAsUntagged) {
  setTagList("Project");
  Ref<sim::outlook::AppointmentItem> time =
      addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0), "Project");
  start();
  time->failOn("Categories", "no categories");
  EXPECT_FALSE(openDialog()->call("IsQuillhourTagged", time).toBool());
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:no categories"});
}

TEST_F(TagTest, TheExportLeavesOutWhatTheTestRejects) {
  setTagList("Project");
  addTime("Lower", Date::fromParts(2026, 12, 1, 9, 0, 0), "project");
  addTime("Upper", Date::fromParts(2026, 12, 2, 9, 0, 0), "Project");
  start();
  exportWith();
  EXPECT_EQ(cell(4, 4), sim::CellValue::ofText("Upper"));
  EXPECT_TRUE(cell(5, 4).isEmpty());
}

}  // namespace
}  // namespace qh::testing
