#include "hosts/sim/outlook/Application.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::outlook::AppointmentItem;
using sim::outlook::UserPropertyList;

const UserPropertyList::Entry* savedMark(const AppointmentItem& item, const char* name) {
  return item.savedUserProperties().find(name);
}

class ExportMarks : public ExportHostTest {
 protected:
  bool inCalendar(const Ref<AppointmentItem>& item) {
    for (const auto& held : calendar().items())
      if (held.get() == item.get()) return true;
    return false;
  }
};

TEST_F(ExportMarks, TheExportedMarkHoldsTheTimeOfTheLatestMarkingExport) {
  Ref<AppointmentItem> time = addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems", "CheckMarkExported"});
  ASSERT_NE(savedMark(*time, "QuillhourExported"), nullptr);
  EXPECT_EQ(savedMark(*time, "QuillhourExported")->property.type, sim::outlook::kUserDateTime);
  EXPECT_EQ(savedMark(*time, "QuillhourExported")->property.value,
            Variant(Date::fromParts(2026, 12, 7, 14, 20, 0)));
  EXPECT_FALSE(savedMark(*time, "QuillhourExported")->addedToFolderFields);
  EXPECT_TRUE(time->saved());
  EXPECT_EQ(time->saveCount(), 1);

  system().setNow(Date::fromParts(2026, 12, 7, 16, 45, 0));
  exportWith({"CheckExportedItems"});
  EXPECT_EQ(time->savedUserProperties().entries().size(), 1u) << "overwritten, not added again";
  EXPECT_EQ(savedMark(*time, "QuillhourExported")->property.value,
            Variant(Date::fromParts(2026, 12, 7, 16, 45, 0)));
  EXPECT_EQ(time->saveCount(), 2);
}

TEST_F(ExportMarks, AnUnchangedTimeIsNotSaved) {
  Ref<AppointmentItem> time = addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems"});
  EXPECT_EQ(cell(4, 4), sim::CellValue::ofText("Review"));
  EXPECT_EQ(time->saveCount(), 0);
  EXPECT_TRUE(time->savedUserProperties().entries().empty());
}

TEST_F(ExportMarks, AnUnsavedTimeIsSavedWithItsMarks) {
  Ref<AppointmentItem> time = addTime("Review", Date::fromParts(2026, 12, 1, 9, 0, 0));
  time->put("Body", "typed, not saved");
  start();
  exportWith({"CheckNonTaggedItems"});
  EXPECT_EQ(time->saveCount(), 1);
  EXPECT_EQ(time->savedValue("Body").toString(), "typed, not saved");
}

TEST_F(ExportMarks, DeleteAfterRemovesTheRangesTimesButKeepsTheEndDaysLaterOnesMarked) {
  Ref<AppointmentItem> first = addTime("Monday", Date::fromParts(2026, 11, 30, 0, 0, 0));
  Ref<AppointmentItem> friday = addTime("Friday", Date::fromParts(2026, 12, 4, 15, 0, 0));
  Ref<AppointmentItem> today = addTime("Today", Date::fromParts(2026, 12, 7, 9, 0, 0));
  start();
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  EXPECT_EQ(cell(6, 4), sim::CellValue::ofText("Today")) << "all three are exported";
  EXPECT_TRUE(first->deleted());
  EXPECT_TRUE(friday->deleted());
  EXPECT_FALSE(today->deleted());
  EXPECT_EQ(savedMark(*today, "QuillhourDeleted")->property.value, Variant(true));
  EXPECT_EQ(savedMark(*today, "QuillhourDeleted")->property.type, sim::outlook::kUserYesNo);
  // The mark is taken off and saved before the Time goes.
  EXPECT_EQ(savedMark(*friday, "QuillhourDeleted"), nullptr);
  EXPECT_EQ(friday->saveCount(), 2);
  EXPECT_FALSE(inCalendar(friday));
  EXPECT_TRUE(inCalendar(today));
}

TEST_F(ExportMarks, ARecurringTimeNeverGetsTheDeletionMark) {
  AppointmentItem::Fields f;
  f.subject = "Weekly";
  f.start = Date::fromParts(2026, 12, 1, 9, 0, 0);
  f.recurrence = sim::outlook::RecurrencePattern::weekly(10);
  Ref<AppointmentItem> series = outlook().addAppointment(calendar(), f);
  start();
  exportWith(
      {"CheckNonTaggedItems", "CheckRecurringEvents", "CheckMarkExported", "CheckDeleteAfter"});
  EXPECT_EQ(cell(4, 4), sim::CellValue::ofText("Weekly"));
  EXPECT_NE(savedMark(*series, "QuillhourExported"), nullptr);
  EXPECT_EQ(savedMark(*series, "QuillhourDeleted"), nullptr);
  EXPECT_FALSE(series->deleted());
}

TEST_F(ExportMarks, ALaterRunDeletesMarkedTimesInItsRangeWhateverItsOptions) {
  Ref<AppointmentItem> today = addTime("Today", Date::fromParts(2026, 12, 7, 9, 0, 0));
  Ref<AppointmentItem> later = addTime("Next week", Date::fromParts(2026, 12, 14, 9, 0, 0));
  later->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(true)});
  start();
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  ASSERT_FALSE(today->deleted());

  system().setNow(Date::fromParts(2026, 12, 8, 10, 0, 0));
  control("CheckDeleteAfter")->put("Value", 0);
  openDialog();
  pick("EndDate", Date::fromParts(2026, 12, 8));
  pick("StartDate", Date::fromParts(2026, 12, 7));
  pressExport();
  EXPECT_TRUE(today->deleted());
  EXPECT_FALSE(later->deleted()) << "outside the deletion range";
}

TEST_F(ExportMarks, TheDeletionPassLeavesTimesWithoutATrueMark) {
  Ref<AppointmentItem> kept = addTime("Kept", Date::fromParts(2026, 12, 2, 9, 0, 0));
  kept->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(false)});
  Ref<AppointmentItem> text = addTime("Text mark", Date::fromParts(2026, 12, 3, 9, 0, 0));
  text->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserText, Variant("maybe")});
  Ref<AppointmentItem> marked = addTime("Marked", Date::fromParts(2026, 12, 4, 9, 0, 0));
  marked->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(true)});
  start();
  exportWith();
  EXPECT_FALSE(kept->deleted());
  EXPECT_FALSE(text->deleted()) << "a mark that does not read as yes/no deletes nothing";
  EXPECT_TRUE(marked->deleted());
  EXPECT_EQ(outlook().application().deletedItems().size(), 1u);
}

}  // namespace
}  // namespace qh::testing
