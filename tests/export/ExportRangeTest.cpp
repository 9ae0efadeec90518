#include "hosts/sim/outlook/Items.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;

class ExportRange : public ExportHostTest {
 protected:
  std::vector<std::string> rows() {
    std::vector<std::string> out;
    for (int row = 4; !cell(row, 4).isEmpty(); ++row) out.push_back(cell(row, 4).text);
    return out;
  }
};

TEST_F(ExportRange, RunsFromTheStartDaysMidnightToBeforeTheDayAfterTheEnd) {
  addTime("Too early", Date::fromParts(2026, 11, 29, 23, 59, 0));
  addTime("First moment", Date::fromParts(2026, 11, 30, 0, 0, 0));
  addTime("End day evening", Date::fromParts(2026, 12, 7, 23, 59, 0));
  addTime("Day after", Date::fromParts(2026, 12, 8, 0, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems"});
  EXPECT_EQ(rows(), (std::vector<std::string>{"First moment", "End day evening"}));
}

TEST_F(ExportRange, WritesTheFiltersInTheSystemsShortDate) {
  start();
  exportWith();
  EXPECT_EQ(calendar().restrictions(),
            (std::vector<std::string>{
                "[Start] >= '11/30/2026' And [Start] < '12/8/2026'",
                "[Start] >= '11/30/2026 12:00 AM' And [Start] <= '12/7/2026 12:00 AM'"}));
}

TEST_F(ExportRange, ReadsTheRangeInABritishLocale) {
  system().setLocale(sim::Locale::EnGb);
  addTime("First moment", Date::fromParts(2026, 11, 30, 0, 0, 0));
  addTime("Day after", Date::fromParts(2026, 12, 8, 0, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems"});
  EXPECT_EQ(calendar().restrictions(),
            (std::vector<std::string>{
                "[Start] >= '30/11/2026' And [Start] < '08/12/2026'",
                "[Start] >= '30/11/2026 12:00 am' And [Start] <= '07/12/2026 12:00 am'"}));
  EXPECT_EQ(rows(), std::vector<std::string>{"First moment"});
}

TEST_F(ExportRange, RestrictsThenSortsThenIncludesRecurrencesAndWalksForward) {
  addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0));
  start();
  std::vector<Ref<sim::outlook::Items>> made;
  calendar().onItemsMade([&](sim::outlook::Items& items) {
    items.recordCalls();
    made.push_back(Ref<sim::outlook::Items>(&items));
  });
  exportWith({"CheckNonTaggedItems"});
  ASSERT_EQ(made.size(), 4u);  // the folder's items and a restriction, twice
  EXPECT_EQ(made[0]->recordedCalls(),
            std::vector<std::string>{
                "Get Restrict(\"[Start] >= '11/30/2026' And [Start] < '12/8/2026'\")"});
  EXPECT_EQ(made[1]->recordedCalls(),
            (std::vector<std::string>{"Call Sort(\"[Start]\")", "Put IncludeRecurrences = True",
                                      "Get GetFirst", "Get GetNext"}));
  EXPECT_EQ(made[3]->recordedCalls(), (std::vector<std::string>{"Get GetLast", "Get GetPrevious"}))
      << "the deletion pass's collection is neither sorted nor set to include recurrences";
}

// IncludeRecurrences comes after Restrict, so Outlook lists a series once, as its master.
TEST_F(ExportRange, ASeriesCountsOnceAndOnlyWhenItsFirstOccurrenceIsInTheRange) {
  sim::outlook::AppointmentItem::Fields early;
  early.subject = "Began earlier";
  early.start = Date::fromParts(2026, 11, 16, 9, 0, 0);
  early.recurrence = sim::outlook::RecurrencePattern::weekly(8);
  outlook().addAppointment(calendar(), early);
  sim::outlook::AppointmentItem::Fields daily = early;
  daily.subject = "Daily";
  daily.start = Date::fromParts(2026, 12, 1, 8, 0, 0);
  daily.recurrence = sim::outlook::RecurrencePattern::daily(5);
  outlook().addAppointment(calendar(), daily);
  start();
  exportWith({"CheckNonTaggedItems", "CheckRecurringEvents"});
  EXPECT_EQ(rows(), std::vector<std::string>{"Daily"});
}

TEST_F(ExportRange, RowsFollowTheStartNotTheFolderOrder) {
  addTime("Wednesday", Date::fromParts(2026, 12, 2, 9, 0, 0));
  addTime("Monday late", Date::fromParts(2026, 11, 30, 16, 0, 0));
  addTime("Monday early", Date::fromParts(2026, 11, 30, 8, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems"});
  EXPECT_EQ(rows(), (std::vector<std::string>{"Monday early", "Monday late", "Wednesday"}));
}

TEST_F(ExportRange, ARangeWithoutTimesWritesNoRowAndAHeadingOnlyPivot) {
  addTime("Last year", Date::fromParts(2025, 12, 1, 9, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems", "CheckCreateDiagram"});
  EXPECT_TRUE(cell(4, 3).isEmpty());
  ASSERT_EQ(workbook().pivotCaches().size(), 1u);
  EXPECT_EQ(pivotSource(), "Quillhour!R3C3:R3C6");
}

TEST_F(ExportRange, ExportsTheDefaultCalendarWhenNoFolderWasSetSinceTheLastRun) {
  sim::outlook::Folder& other = outlook().addFolder(calendar(), "Other");
  sim::outlook::AppointmentItem::Fields f;
  f.subject = "Elsewhere";
  f.start = Date::fromParts(2026, 12, 1, 9, 0, 0);
  outlook().addAppointment(other, f);
  addTime("In the calendar", Date::fromParts(2026, 12, 1, 9, 0, 0));
  start();
  openDialog();
  dialog()->call("SetExportFolder", Ref<Object>(&other));
  check("CheckNonTaggedItems");
  pressExport();
  EXPECT_EQ(rows(), std::vector<std::string>{"Elsewhere"});
  dialog()->call("Show");
  pressExport();
  EXPECT_EQ(rows(), std::vector<std::string>{"In the calendar"});
}

}  // namespace
}  // namespace qh::testing
