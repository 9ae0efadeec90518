// `quillhour tags`: the tag list, read from the mailbox and stored through the settings dialog.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/OnExampleCalendar.h"

namespace qh::app::testing {
namespace {

using ::testing::ElementsAre;

class TagsCommand : public OnExampleCalendar {
 protected:
  ProgramRun tags(std::vector<std::string> extra = {}) {
    extra.insert(extra.begin(), "tags");
    return quillhour(extra);
  }
};

TEST_F(TagsCommand, PrintsTheTagListOfTheSettingsItem) {
  const ProgramRun run = tags();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(linesOf(run.out), ElementsAre("Atlas", "Beacon", "Internal", "Support"));
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics"));
}

TEST_F(TagsCommand, SetStoresTheDialogsSortedListInTheSettingsItem) {
  const ProgramRun set = tags({"--set", "Support; Training;Atlas"});
  EXPECT_EQ(set.status, 0) << set.err;
  // The settings dialog's list keeps its entries in alphabetical order.
  EXPECT_THAT(linesOf(set.out),
              ElementsAre("Atlas", "Support", "Training", ::testing::StartsWith("calendar: ")));
  EXPECT_THAT(readWithLibical(readFile(calendar))
                  .event("fortnight-settings@example.com")
                  .only("DESCRIPTION"),
              ElementsAre("DESCRIPTION:Atlas\\; Support\\; Training\r\n"));
  EXPECT_THAT(linesOf(tags().out), ElementsAre("Atlas", "Support", "Training"));
}

TEST_F(TagsCommand, AnEmptyListIsStoredAsAnEmptyBody) {
  ASSERT_EQ(tags({"--set", ""}).status, 0);
  EXPECT_THAT(linesOf(tags().out), ElementsAre());
  const LibicalComponent file = readWithLibical(readFile(calendar));
  const LibicalComponent& item = file.event("fortnight-settings@example.com");
  EXPECT_THAT(item.only("SUMMARY"), ElementsAre("SUMMARY:Quillhour_Settings1_\r\n"));
  EXPECT_THAT(item.only("DESCRIPTION"), ElementsAre());
}

}  // namespace
}  // namespace qh::app::testing
