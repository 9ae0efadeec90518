// What the program writes back: the components it did not change stay byte for byte, and the
// ones it changed keep every property it does not own, as libical reads them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/ProgramRun.h"

namespace qh::app::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Three producers' habits in one file: a Windows zone with its VTIMEZONE, UTC times, a
// floating time, categories on one line and on several, an unknown property and an empty one
// (which libical turns into X-LIC-ERROR), a folded line, an alarm, attendees, vendor
// properties, a recurring event with RDATE and the settings item.
constexpr const char* kMixed =
    "BEGIN:VCALENDAR\r\n"
    "PRODID:-//Microsoft Corporation//Outlook 16.0 MIMEDIR//EN\r\n"
    "VERSION:2.0\r\n"
    "X-WR-CALNAME:Work\r\n"
    "BEGIN:VTIMEZONE\r\n"
    "TZID:W. Europe Standard Time\r\n"
    "BEGIN:STANDARD\r\nDTSTART:16011028T030000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
    "BEGIN:DAYLIGHT\r\nDTSTART:16010325T020000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\n"
    "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\n"
    "END:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:outlook-1\r\n"
    "DTSTAMP:20261120T080000Z\r\n"
    "DTSTART;TZID=\"W. Europe Standard Time\":20261130T090000\r\n"
    "DTEND;TZID=\"W. Europe Standard Time\":20261130T103000\r\n"
    "SUMMARY;LANGUAGE=de:Kundentermin Müller\r\n"
    "DESCRIPTION:Angebot besprechen\\, Termine abstimmen\\nZweite Zeile mit einem s\r\n"
    " ehr langen Text\\, der gefaltet wurde\r\n"
    "CATEGORIES:Sales,Important\r\n"
    "ATTENDEE;CN=Petra Müller;ROLE=REQ-PARTICIPANT:mailto:p.mueller@example.org\r\n"
    "FOO;X-PARAM=1:kept as it is\r\n"
    "X-MICROSOFT-CDO-BUSYSTATUS:BUSY\r\n"
    "BEGIN:VALARM\r\nTRIGGER:-PT15M\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nEND:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:google-2\r\n"
    "DTSTAMP:20261120T080000Z\r\n"
    "DTSTART:20261201T120000Z\r\n"
    "DTEND:20261201T130000Z\r\n"
    "SUMMARY:Lunch\r\n"
    "DESCRIPTION:\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:thunderbird-3\r\n"
    "DTSTAMP:20261120T080000Z\r\n"
    "DTSTART:20261202T140000\r\n"
    "DURATION:PT2H\r\n"
    "SUMMARY:Planning\r\n"
    "CATEGORIES:Atlas\r\n"
    "CATEGORIES:Internal\r\n"
    "X-MOZ-GENERATION:3\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:series-4\r\n"
    "DTSTAMP:20261120T080000Z\r\n"
    "DTSTART;TZID=\"W. Europe Standard Time\":20261203T100000\r\n"
    "DTEND;TZID=\"W. Europe Standard Time\":20261203T110000\r\n"
    "RDATE;TZID=\"W. Europe Standard Time\":20261210T100000\r\n"
    "SUMMARY:Review\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\n"
    "UID:settings\r\n"
    "DTSTAMP:20261120T080000Z\r\n"
    "DTSTART;TZID=\"W. Europe Standard Time\":20990101T000000\r\n"
    "DTEND;TZID=\"W. Europe Standard Time\":20990101T003000\r\n"
    "SUMMARY:Quillhour_Settings1_\r\n"
    "DESCRIPTION:Atlas\\; Internal\\; Sales\r\n"
    "END:VEVENT\r\n"
    "END:VCALENDAR\r\n";

// The text of one VEVENT, from its BEGIN to its END line.
std::string eventText(const std::string& file, const std::string& uid) {
  const auto at = file.find("UID:" + uid + "\r\n");
  const auto begin = file.rfind("BEGIN:VEVENT", at);
  const auto end = file.find("END:VEVENT\r\n", at);
  return file.substr(begin, end - begin);
}

class RoundTrip : public ::testing::Test {
 protected:
  RoundTrip() : calendar(folder.write("mixed.ics", kMixed)) {}

  void tag(const std::string& tag, const std::string& uid) {
    const ProgramRun run = runQuillhour({"--mailbox", calendar, "tag", tag, uid}, folder.path());
    ASSERT_EQ(run.status, 0) << run.err;
  }

  TestFolder folder;
  std::string calendar;
};

TEST_F(RoundTrip, TaggingChangesOnlyTheCategoriesOfTheTaggedEvent) {
  tag("Atlas", "outlook-1");
  const std::string written = readFile(calendar);
  const LibicalComponent before = readWithLibical(kMixed);
  const LibicalComponent after = readWithLibical(written);
  EXPECT_EQ(after.without({}), before.without({})) << "the calendar's own properties";
  ASSERT_EQ(after.children.size(), before.children.size());
  for (const char* uid : {"google-2", "thunderbird-3", "series-4", "settings"})
    EXPECT_EQ(eventText(written, uid), eventText(kMixed, uid)) << uid;
  EXPECT_EQ(after.children.front(), before.children.front()) << "the VTIMEZONE";

  const LibicalComponent& tagged = after.event("outlook-1");
  EXPECT_EQ(tagged.without({"CATEGORIES"}), before.event("outlook-1").without({"CATEGORIES"}));
  EXPECT_EQ(tagged.children, before.event("outlook-1").children) << "the alarm";
  EXPECT_THAT(tagged.only("CATEGORIES"), ElementsAre("CATEGORIES:Atlas\r\n"));
  EXPECT_THAT(eventText(written, "outlook-1"), HasSubstr("FOO;X-PARAM=1:kept as it is\r\n"))
      << "a property libical does not know stays in the text";
}

TEST_F(RoundTrip, CategoriesOnSeveralLinesBecomeTheOneTag) {
  tag("Atlas", "thunderbird-3");
  const LibicalComponent after = readWithLibical(readFile(calendar));
  EXPECT_THAT(after.event("thunderbird-3").only("CATEGORIES"), ElementsAre("CATEGORIES:Atlas\r\n"));
  EXPECT_THAT(eventText(readFile(calendar), "thunderbird-3"),
              HasSubstr("DTSTART:20261202T140000\r\n"))
      << "a floating time stays floating";
}

TEST_F(RoundTrip, AReadWithoutChangesWritesNothing) {
  const ProgramRun run =
      runQuillhour({"--mailbox", calendar, "run", "-"}, folder.path(),
                   "open outlook-1\ninspector save\ninspector close\nselect google-2\nshow bar\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(calendar), kMixed);
  EXPECT_THAT(folder.listing(), ElementsAre("mixed.ics"));
}

}  // namespace
}  // namespace qh::app::testing
