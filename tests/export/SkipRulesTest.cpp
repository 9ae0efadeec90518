#include "hosts/sim/outlook/Application.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;
using sim::outlook::AppointmentItem;

// An item of another class in the calendar (a meeting request, class 53) with a start.
class MeetingRequest : public sim::outlook::Item {
 public:
  MeetingRequest(sim::outlook::Application& app, Date start)
      : Item(sim::outlook::WeakLink<sim::outlook::Application>(app), 53, 0) {
    declare("Subject", "Request");
    declare("Start", start);
  }
};

// One Time per skip rule, each on its own day of the default range, and one plain Time.
class SkipRules : public ExportHostTest {
 protected:
  void SetUp() override {
    ExportHostTest::SetUp();
    setTagList("Project; Internal");
    auto request =
        makeRef<MeetingRequest>(outlook().application(), Date::fromParts(2026, 11, 30, 9, 0, 0));
    calendar().file(*request);
    AppointmentItem::Fields allDay;
    allDay.subject = "All day";
    allDay.start = Date::fromParts(2026, 12, 1);
    allDay.durationMinutes = 24 * 60;
    allDay.allDayEvent = true;
    allDay.categories = "Project";
    outlook().addAppointment(calendar(), allDay);
    addTime("Untagged", Date::fromParts(2026, 12, 2, 9, 0, 0), "Customer");
    AppointmentItem::Fields weekly;
    weekly.subject = "Weekly";
    weekly.start = Date::fromParts(2026, 12, 3, 9, 0, 0);
    weekly.categories = "Internal";
    weekly.recurrence = sim::outlook::RecurrencePattern::weekly(4);
    outlook().addAppointment(calendar(), weekly);
    AppointmentItem::Fields exported;
    exported.subject = "Exported";
    exported.start = Date::fromParts(2026, 12, 4, 9, 0, 0);
    exported.categories = "Project";
    exported.userProperties = {{"QuillhourExported", sim::outlook::kUserDateTime,
                                Variant(Date::fromParts(2026, 12, 5, 8, 0, 0))}};
    outlook().addAppointment(calendar(), exported);
    addTime("Plain", Date::fromParts(2026, 12, 5, 9, 0, 0));
    start();
  }
  std::vector<std::string> exportedSubjects() {
    std::vector<std::string> out;
    for (int row = 4; !cell(row, 4).isEmpty(); ++row) out.push_back(cell(row, 4).text);
    return out;
  }
};

TEST_F(SkipRules, WithEveryBoxUncheckedOnlyThePlainTaggedTimeIsExported) {
  exportWith();
  EXPECT_EQ(exportedSubjects(), std::vector<std::string>{"Plain"});
  EXPECT_TRUE(exportLog().empty()) << exportLog().front();
}

TEST_F(SkipRules, EachBoxLetsItsOwnTimeIn) {
  const std::pair<const char*, const char*> rules[] = {{"CheckAllDayEvents", "All day"},
                                                       {"CheckNonTaggedItems", "Untagged"},
                                                       {"CheckRecurringEvents", "Weekly"},
                                                       {"CheckExportedItems", "Exported"}};
  for (const auto& [box, subject] : rules) {
    openDialog();
    for (const auto& [other, ignored] : rules) check(other, other == box);
    pressExport();
    EXPECT_EQ(exportedSubjects(), (std::vector<std::string>{subject, "Plain"})) << box;
  }
}

TEST_F(SkipRules, WithEveryBoxCheckedEveryAppointmentButTheRequestIsExported) {
  exportWith(
      {"CheckAllDayEvents", "CheckNonTaggedItems", "CheckRecurringEvents", "CheckExportedItems"});
  EXPECT_EQ(exportedSubjects(),
            (std::vector<std::string>{"All day", "Untagged", "Weekly", "Exported", "Plain"}));
}

TEST_F(SkipRules, AnItemThatFailsItsTestIsSkippedWithALogLine) {
  for (const Ref<sim::outlook::Item>& item : calendar().items())
    if (item->value("Subject").toString() == "Plain") item->failOn("AllDayEvent", "cannot read");
  exportWith(
      {"CheckAllDayEvents", "CheckNonTaggedItems", "CheckRecurringEvents", "CheckExportedItems"});
  EXPECT_EQ(exportedSubjects(),
            (std::vector<std::string>{"All day", "Untagged", "Weekly", "Exported"}));
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:cannot read"});
}

}  // namespace
}  // namespace qh::testing
