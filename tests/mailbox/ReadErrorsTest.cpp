// Input the store refuses: each message names the file and, where one applies, the line.
#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox::testing {
namespace {

// The description of the CalendarError that reading text raises, with the path cut to "FILE".
std::string refusal(const std::string& text) {
  TempFolder folder;
  const std::string path = folder.write("bad.ics", text);
  try {
    openIn(path);
  } catch (const CalendarError& e) {
    EXPECT_EQ(e.kind(), CalendarError::Kind::Format);
    EXPECT_EQ(e.path(), path);
    std::string description = e.description();
    if (description.rfind(path, 0) == 0) description.replace(0, path.size(), "FILE");
    return description;
  }
  return "no error";
}

TEST(ReadErrors, MissingFile) {
  TempFolder folder;
  const std::string path = folder.path("absent.ics");
  try {
    openIn(path);
    FAIL() << "no error";
  } catch (const CalendarError& e) {
    EXPECT_EQ(e.kind(), CalendarError::Kind::Missing);
    EXPECT_EQ(e.code(), 53);
    EXPECT_EQ(e.description(), path + ": cannot read it (No such file or directory)");
  }
}

TEST(ReadErrors, NotICalendar) {
  EXPECT_EQ(refusal("Subject,Start\nWeekly sync,2024-03-18\n"),
            "FILE:1: not an iCalendar file (BEGIN:VCALENDAR expected)");
  EXPECT_EQ(refusal(""), "FILE: not an iCalendar file (no VCALENDAR in it)");
  EXPECT_EQ(refusal(crlf("BEGIN:VEVENT\nEND:VEVENT\n")),
            "FILE:1: not an iCalendar file (BEGIN:VCALENDAR expected)");
  EXPECT_EQ(refusal(crlf("BEGIN:VCALENDAR\nEND:VCALENDAR\ntrailing words\n")),
            "FILE:3: not an iCalendar file (BEGIN:VCALENDAR expected)");
}

TEST(ReadErrors, ComponentsThatDoNotNest) {
  EXPECT_EQ(
      refusal(crlf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20240101T000000Z\nEND:VCALENDAR\n")),
      "FILE:4: END:VCALENDAR does not close BEGIN:VEVENT of line 2");
  EXPECT_EQ(refusal(crlf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20240101T000000Z\nEND:VEVENT\n")),
            "FILE:1: BEGIN:VCALENDAR is never closed");
  EXPECT_EQ(refusal(crlf("END:VCALENDAR\n")), "FILE:1: END:VCALENDAR without BEGIN");
}

TEST(ReadErrors, EventWithoutStartNamesTheEventsFirstLine) {
  EXPECT_EQ(refusal(crlf("BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:a\nSUMMARY:No start\n"
                         "END:VEVENT\nEND:VCALENDAR\n")),
            "FILE:3: VEVENT without DTSTART");
  // A DTSTART inside the event's alarm is not the event's.
  EXPECT_EQ(
      refusal(crlf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:a\nBEGIN:VALARM\nDTSTART:20240101T000000Z\n"
                   "END:VALARM\nEND:VEVENT\nEND:VCALENDAR\n")),
      "FILE:2: VEVENT without DTSTART");
}

TEST(ReadErrors, UnreadableDatesAndDurations) {
  const std::string head = "BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:a\n";
  const std::string tail = "END:VEVENT\nEND:VCALENDAR\n";
  EXPECT_EQ(refusal(crlf(head + "DTSTART:2024-13-45\n" + tail)),
            "FILE:4: unreadable date in DTSTART: '2024-13-45'");
  EXPECT_EQ(refusal(crlf(head + "DTSTART:20240230T100000\n" + tail)),
            "FILE:4: unreadable date in DTSTART: '20240230T100000'");
  EXPECT_EQ(refusal(crlf(head + "DTSTART;VALUE=DATE:20240101\nDTEND;VALUE=DATE:2024013\n" + tail)),
            "FILE:5: unreadable date in DTEND: '2024013'");
  EXPECT_EQ(refusal(crlf(head + "DTSTART:20240101T250000Z\n" + tail)),
            "FILE:4: unreadable date in DTSTART: '20240101T250000Z'");
  EXPECT_EQ(refusal(crlf(head + "DTSTART:20240101T100000Z\nDURATION:one hour\n" + tail)),
            "FILE:5: unreadable duration in DURATION: 'one hour'");
}

TEST(ReadErrors, LineNumbersCountPhysicalLines) {
  // The folded SUMMARY takes two lines of the file.
  EXPECT_EQ(refusal(crlf("BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:long\n  summary\nDTSTART:x\n"
                         "END:VEVENT\nEND:VCALENDAR\n")),
            "FILE:5: unreadable date in DTSTART: 'x'");
}

TEST(ReadErrors, UnknownLocalZone) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf("BEGIN:VCALENDAR\nEND:VCALENDAR\n"));
  try {
    CalendarStore(path, CalendarOptions{"Mars/Base", {}, {}});
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "unknown time zone 'Mars/Base'");
  }
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
