// Patching a VEVENT's text: named properties change, every other byte stays.
#include "hosts/sim/mailbox/EventPatcher.h"

#include <gtest/gtest.h>

namespace qh::sim::mailbox {
namespace {

const char* const kEvent =
    "BEGIN:VEVENT\r\n"
    "UID:p\r\n"
    "SUMMARY;LANGUAGE=de:Alt\r\n"
    "CATEGORIES:A\r\n"
    "X-UNKNOWN;P=\"x:y\":kept\r\n"
    "CATEGORIES:B\r\n"
    "DESCRIPTION:folded\r\n"
    "  over two lines\r\n"
    "BEGIN:VALARM\r\n"
    "DESCRIPTION:alarm text\r\n"
    "END:VALARM\r\n"
    "END:VEVENT\r\n";

TEST(EventPatcher, WithoutEditsNothingChanges) {
  EXPECT_EQ(patchEvent(kEvent, {}, "\r\n"), kEvent);
}

TEST(EventPatcher, ReplacesTheFirstOfANameAndDropsTheOthers) {
  EXPECT_EQ(patchEvent(kEvent, {{"categories", {"CATEGORIES:C,D"}}}, "\r\n"),
            "BEGIN:VEVENT\r\nUID:p\r\nSUMMARY;LANGUAGE=de:Alt\r\nCATEGORIES:C,D\r\n"
            "X-UNKNOWN;P=\"x:y\":kept\r\nDESCRIPTION:folded\r\n  over two lines\r\n"
            "BEGIN:VALARM\r\nDESCRIPTION:alarm text\r\nEND:VALARM\r\nEND:VEVENT\r\n");
}

TEST(EventPatcher, TouchesOnlyTheEventsOwnPropertiesNotTheAlarms) {
  const std::string patched = patchEvent(kEvent, {{"DESCRIPTION", {}}}, "\r\n");
  EXPECT_EQ(patched.find("folded"), std::string::npos) << "both physical lines go";
  EXPECT_NE(patched.find("DESCRIPTION:alarm text\r\n"), std::string::npos);
}

TEST(EventPatcher, AddsMissingPropertiesBeforeTheFirstInnerComponent) {
  EXPECT_EQ(
      patchEvent(kEvent,
                 {{"X-QUILLHOUR-A", {"X-QUILLHOUR-A:1"}}, {"X-QUILLHOUR-B", {"X-QUILLHOUR-B:2"}}},
                 "\r\n"),
      std::string(kEvent).replace(std::string(kEvent).find("BEGIN:VALARM"), 0,
                                  "X-QUILLHOUR-A:1\r\nX-QUILLHOUR-B:2\r\n"));
  EXPECT_EQ(patchEvent("BEGIN:VEVENT\nUID:q\nEND:VEVENT\n", {{"SUMMARY", {"SUMMARY:New"}}}, "\n"),
            "BEGIN:VEVENT\nUID:q\nSUMMARY:New\nEND:VEVENT\n");
  EXPECT_EQ(patchEvent(kEvent, {{"RRULE", {}}}, "\r\n"), kEvent)
      << "removing what is absent changes nothing";
}

TEST(EventPatcher, FoldsLongNewLines) {
  const std::string value(100, 'v');
  const std::string patched = patchEvent("BEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\n",
                                         {{"SUMMARY", {"SUMMARY:" + value}}}, "\r\n");
  EXPECT_EQ(patched, "BEGIN:VEVENT\r\nSUMMARY:" + value.substr(0, 67) + "\r\n " + value.substr(67) +
                         "\r\nEND:VEVENT\r\n");
}

}  // namespace
}  // namespace qh::sim::mailbox
