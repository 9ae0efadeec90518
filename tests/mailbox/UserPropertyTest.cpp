// User properties as X-QUILLHOUR- properties: read typed, written back, round trips.
#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox::testing {
namespace {

std::string calendarWithAlarm(const std::string& eventLines) {
  return crlf(
      "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:u\nDTSTART:20240115T080000Z\n" + eventLines +
      "BEGIN:VALARM\nTRIGGER:-PT5M\nACTION:DISPLAY\nX-QUILLHOUR-Alarm:not the event's\nEND:VALARM\n"
      "END:VEVENT\nEND:VCALENDAR\n");
}

const UserProperty* find(const CalendarEntry& e, const std::string& name) {
  for (const auto& p : e.userProperties)
    if (p.name == name) return &p;
  return nullptr;
}

TEST(UserProperties, ReadWithTheirTypes) {
  TempFolder folder;
  const std::string path = folder.write(
      "c.ics", calendarWithAlarm("X-QUILLHOUR-QuillhourExported;VALUE=DATE-TIME:20261206T091500Z\n"
                                 "X-QUILLHOUR-QuillhourDeleted;VALUE=BOOLEAN:TRUE\n"
                                 "X-QUILLHOUR-Hours;VALUE=FLOAT:1.25\n"
                                 "X-QUILLHOUR-Count;VALUE=INTEGER:-3\n"
                                 "X-QUILLHOUR-Note:a\\, b\\; c\\nd\n"
                                 "X-MOZ-GENERATION:4\n"));
  const CalendarStore store = openIn(path);
  const CalendarEntry e = store.entries().at(0);
  ASSERT_EQ(e.userProperties.size(), 5u)
      << "other programs' X- properties and the alarm's are not ours";
  EXPECT_EQ(find(e, "QuillhourExported")->type, UserPropertyType::DateTime);
  EXPECT_EQ(show(find(e, "QuillhourExported")->value.toDate()), "2026-12-06 10:15:00");
  EXPECT_EQ(find(e, "QuillhourDeleted")->type, UserPropertyType::YesNo);
  EXPECT_EQ(find(e, "QuillhourDeleted")->value, Variant(true));
  EXPECT_EQ(find(e, "Hours")->type, UserPropertyType::Number);
  EXPECT_EQ(find(e, "Hours")->value, Variant(1.25));
  EXPECT_EQ(find(e, "Count")->value, Variant(-3.0));
  EXPECT_EQ(find(e, "Note")->type, UserPropertyType::Text);
  EXPECT_EQ(find(e, "Note")->value, Variant("a, b; c\nd"));
  EXPECT_TRUE(store.warnings().empty());
}

TEST(UserProperties, ValuesThatDoNotFitTheirTypeAreReadAsTextWithAWarning) {
  TempFolder folder;
  const std::string path =
      folder.write("c.ics", calendarWithAlarm("X-QUILLHOUR-Flag;VALUE=BOOLEAN:maybe\n"));
  const CalendarStore store = openIn(path);
  const CalendarEntry e = store.entries().at(0);
  const UserProperty* flag = find(e, "Flag");
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->type, UserPropertyType::Text);
  EXPECT_EQ(flag->value, Variant("maybe"));
  ASSERT_EQ(store.warnings().size(), 1u);
  EXPECT_EQ(store.warnings()[0],
            path + ":6: unreadable BOOLEAN value in X-QUILLHOUR-Flag; read as text");
}

TEST(UserProperties, MarksOfAnExportRoundTrip) {
  TempFolder folder;
  const std::string original = calendarWithAlarm("SUMMARY:Time\n");
  const std::string path = folder.write("c.ics", original);
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries[0].userProperties = {{"QuillhourExported", UserPropertyType::DateTime,
                                Variant(Date::fromParts(2026, 12, 6, 10, 15, 30))},
                               {"QuillhourDeleted", UserPropertyType::YesNo, Variant(true)},
                               {"Hours", UserPropertyType::Number, Variant(0.1)},
                               {"Note", UserPropertyType::Text, Variant("x; y,\nz")}};
  store.save(entries);

  const std::string expectedLines =
      "SUMMARY:Time\r\n"
      "X-QUILLHOUR-QuillhourExported;VALUE=DATE-TIME:20261206T091530Z\r\n"
      "X-QUILLHOUR-QuillhourDeleted;VALUE=BOOLEAN:TRUE\r\n"
      "X-QUILLHOUR-Hours;VALUE=FLOAT:0.1\r\n"
      "X-QUILLHOUR-Note:x\\; y\\,\\nz\r\n"
      "BEGIN:VALARM";
  EXPECT_NE(readFile(path).find(expectedLines), std::string::npos) << readFile(path);
  const auto again = openIn(path).entries();
  EXPECT_EQ(again[0].userProperties.size(), 4u);
  for (const auto& p : entries[0].userProperties) {
    const UserProperty* read = find(again[0], p.name);
    ASSERT_NE(read, nullptr) << p.name;
    EXPECT_EQ(read->type, p.type) << p.name;
    EXPECT_EQ(read->value, p.value) << p.name;
  }

  // Removing the deletion mark removes its line and leaves the rest alone.
  auto marked = store.entries();
  marked[0].userProperties.erase(marked[0].userProperties.begin() + 1);
  const std::string before = readFile(path);
  store.save(marked);
  std::string expected = before;
  const std::string mark = "X-QUILLHOUR-QuillhourDeleted;VALUE=BOOLEAN:TRUE\r\n";
  expected.erase(expected.find(mark), mark.size());
  EXPECT_EQ(readFile(path), expected);
}

TEST(UserProperties, OverwritingAMarkReplacesItsLineInPlace) {
  TempFolder folder;
  const std::string original = calendarWithAlarm(
      "X-quillhour-QuillhourExported;VALUE=DATE-TIME:20240101T000000Z\nSUMMARY:T\n");
  const std::string path = folder.write("c.ics", original);
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries[0].userProperties[0].value = Variant(Date::fromParts(2024, 2, 1, 1, 0));
  store.save(entries);
  std::string expected = original;
  expected.replace(
      expected.find("X-quillhour-QuillhourExported;VALUE=DATE-TIME:20240101T000000Z"),
      std::string("X-quillhour-QuillhourExported;VALUE=DATE-TIME:20240101T000000Z").size(),
      "X-QUILLHOUR-QuillhourExported;VALUE=DATE-TIME:20240201T000000Z");
  EXPECT_EQ(readFile(path), expected);
}

TEST(UserProperties, ThatCannotBeStoredAreRefusedBeforeAnythingIsWritten) {
  TempFolder folder;
  const std::string original = calendarWithAlarm("");
  const std::string path = folder.write("c.ics", original);
  CalendarStore store = openIn(path);

  auto badName = store.entries();
  badName[0].userProperties = {{"Two words", UserPropertyType::Text, Variant("x")}};
  try {
    store.save(badName);
    FAIL() << "no error";
  } catch (const CalendarError& e) {
    EXPECT_EQ(e.kind(), CalendarError::Kind::Write);
    EXPECT_EQ(e.description(),
              path +
                  ": entry 'u': user property 'Two words' cannot be stored: names take "
                  "letters, digits and '-' only");
  }
  auto badValue = store.entries();
  badValue[0].userProperties = {{"When", UserPropertyType::DateTime, Variant("not a date")}};
  EXPECT_THROW(store.save(badValue), CalendarError);
  auto twins = store.entries();
  twins[0].userProperties = {{"A", UserPropertyType::Text, Variant("1")},
                             {"a", UserPropertyType::Text, Variant("2")}};
  EXPECT_THROW(store.save(twins), CalendarError);
  EXPECT_EQ(readFile(path), original);
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
