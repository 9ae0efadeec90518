// The calendar file bound to the simulated Outlook's calendar folder: what a session sees of
// it, and what goes back into the file at the end.
#include "hosts/sim/binding/MailboxBinding.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/SimSystem.h"
#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox::testing {
namespace {

namespace fs = std::filesystem;
using outlook::AppointmentItem;

constexpr const char* kWeek = R"(BEGIN:VCALENDAR
PRODID:-//Example//Week//EN
VERSION:2.0
BEGIN:VEVENT
UID:plan-1
DTSTAMP:20261101T080000Z
DTSTART;TZID=Europe/Berlin:20261130T090000
DTEND;TZID=Europe/Berlin:20261130T103000
SUMMARY:Sprint planning
CATEGORIES:Atlas,Internal
DESCRIPTION:Board review
X-UNKNOWN-TOOL:kept
X-QUILLHOUR-QuillhourExported;VALUE=DATE-TIME:20261130T170000Z
END:VEVENT
BEGIN:VEVENT
UID:fair-2
DTSTAMP:20261101T080000Z
DTSTART;VALUE=DATE:20261201
DTEND;VALUE=DATE:20261202
SUMMARY:Trade fair
END:VEVENT
BEGIN:VEVENT
UID:sync-3
DTSTAMP:20261101T080000Z
DTSTART;TZID=Europe/Berlin:20261130T140000
DURATION:PT45M
RRULE:FREQ=WEEKLY;COUNT=4
SUMMARY:Weekly sync
END:VEVENT
END:VCALENDAR
)";

class MailboxBindingTest : public ::testing::Test {
 protected:
  MailboxBindingTest()
      : path_(folder_.write("calendar.ics", crlf(kWeek))),
        binding_(openIn(path_), outlook_.calendar()) {}

  Ref<AppointmentItem> appointment(const std::string& entryId) {
    for (const auto& item : outlook_.calendar().items())
      if (item->entryId() == entryId)
        return Ref<AppointmentItem>(dynamic_cast<AppointmentItem*>(item.get()));
    ADD_FAILURE() << "no appointment " << entryId;
    return nullptr;
  }
  std::string file() const { return readFile(path_); }

  TempFolder folder_;
  SimSystem system_;
  outlook::SimOutlook outlook_{system_};
  std::string path_;
  MailboxBinding binding_;
};

TEST_F(MailboxBindingTest, FilesEveryEventAsAStoredAppointmentNamedByItsUid) {
  ASSERT_EQ(outlook_.calendar().items().size(), 3u);
  EXPECT_EQ(binding_.size(), 3u);
  const auto plan = appointment("plan-1");
  EXPECT_EQ(plan->value("Subject").toString(), "Sprint planning");
  EXPECT_EQ(show(plan->start()), "2026-11-30 09:00:00");
  EXPECT_EQ(plan->durationMinutes(), 90);
  EXPECT_EQ(plan->value("Categories").toString(), "Atlas, Internal");
  EXPECT_EQ(plan->value("Body").toString(), "Board review");
  EXPECT_TRUE(plan->saved());
  EXPECT_TRUE(plan->stored());

  const auto fair = appointment("fair-2");
  EXPECT_TRUE(fair->value("AllDayEvent").toBool());
  EXPECT_EQ(fair->durationMinutes(), 24 * 60);
  EXPECT_TRUE(appointment("sync-3")->value("IsRecurring").toBool());
}

TEST_F(MailboxBindingTest, UserPropertiesOfTheFileAreTheAppointmentsOwn) {
  const auto plan = appointment("plan-1");
  const auto* mark = plan->userProperties().find("QuillhourExported");
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->property.type, outlook::kUserDateTime);
  EXPECT_EQ(show(mark->property.value.toDate()), "2026-11-30 18:00:00");
  EXPECT_NE(plan->savedUserProperties().find("QuillhourExported"), nullptr);
  EXPECT_EQ(appointment("fair-2")->userProperties().entries().size(), 0u);
}

TEST_F(MailboxBindingTest, SavedUserPropertiesGoBackAsTheyAreAddedChangedAndRemoved) {
  const auto plan = appointment("plan-1");
  plan->removeUserProperty(plan->userProperties().find("QuillhourExported")->id);
  plan->save();
  const auto fair = appointment("fair-2");
  const unsigned id = fair->addUserProperty("QuillhourDeleted", outlook::kUserYesNo, false);
  fair->setUserPropertyValue(id, Variant(true));
  fair->save();
  const auto sync = appointment("sync-3");
  sync->addUserProperty("Unsaved", outlook::kUserText, false);

  EXPECT_EQ(binding_.writeBack().changed, 2);
  const std::string text = file();
  EXPECT_EQ(text.find("QuillhourExported"), std::string::npos);
  EXPECT_NE(text.find("X-QUILLHOUR-QuillhourDeleted;VALUE=BOOLEAN:TRUE\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Unsaved"), std::string::npos);
}

TEST_F(MailboxBindingTest, AnUntouchedOrMerelyEditedMailboxIsNotWritten) {
  const auto plan = appointment("plan-1");
  plan->setValue("Subject", Variant("Edited, never saved"));
  EXPECT_FALSE(binding_.pending().any());
  EXPECT_FALSE(binding_.writeBack().any());
  EXPECT_EQ(file(), crlf(kWeek));
  EXPECT_FALSE(fs::exists(path_ + ".bak"));
}

TEST_F(MailboxBindingTest, ASavedTagChangesOnlyTheCategoriesOfThatEvent) {
  const auto plan = appointment("plan-1");
  plan->setValue("Categories", Variant("Atlas"));
  plan->save();
  const MailboxChanges changes = binding_.writeBack();
  EXPECT_EQ(changes.changed, 1);
  EXPECT_EQ(changes.added + changes.deleted, 0);
  EXPECT_EQ(file(), replaced(crlf(kWeek), "CATEGORIES:Atlas,Internal", "CATEGORIES:Atlas"));
  EXPECT_EQ(readFile(path_ + ".bak"), crlf(kWeek));
}

TEST_F(MailboxBindingTest, DeletedAppointmentsLeaveAndNewOnesJoinTheFile) {
  appointment("fair-2")->remove();
  Ref<outlook::Item> created = outlook_.application().createItem(outlook::kAppointmentItem);
  created->setValue("Subject", Variant("Quillhour_Settings1_"));
  created->setValue("Start", Variant(Date::fromParts(2099, 1, 1)));
  created->setValue("Body", Variant("Atlas; Support"));
  created->save();

  const MailboxChanges changes = binding_.writeBack();
  EXPECT_EQ(changes.deleted, 1);
  EXPECT_EQ(changes.added, 1);
  EXPECT_EQ(changes.changed, 0);

  const auto entries = openIn(path_).entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "plan-1");
  EXPECT_EQ(entries[1].key, "sync-3");
  EXPECT_EQ(entries[2].subject, "Quillhour_Settings1_");
  EXPECT_EQ(show(entries[2].start), "2099-01-01 00:00:00");
  EXPECT_EQ(entries[2].body, "Atlas; Support");
  EXPECT_NE(file().find("X-UNKNOWN-TOOL:kept"), std::string::npos);
}

TEST_F(MailboxBindingTest, AfterAWriteTheWrittenStateIsTheNewStartingPoint) {
  const auto sync = appointment("sync-3");
  sync->setValue("Subject", Variant("Weekly sync (moved)"));
  sync->save();
  EXPECT_EQ(binding_.writeBack().changed, 1);
  const std::string written = file();
  EXPECT_FALSE(binding_.pending().any());
  EXPECT_FALSE(binding_.writeBack().any());
  EXPECT_EQ(file(), written);
}

TEST_F(MailboxBindingTest, AFileThatCannotBeReplacedStaysAsItWasAndTheChangesStayPending) {
  const auto plan = appointment("plan-1");
  plan->setValue("Categories", Variant("Atlas"));
  plan->save();
  fs::create_directory(path_ + ".bak");  // in the way of the backup
  EXPECT_THROW(binding_.writeBack(), CalendarError);
  EXPECT_EQ(file(), crlf(kWeek));
  EXPECT_EQ(binding_.pending().changed, 1);
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
