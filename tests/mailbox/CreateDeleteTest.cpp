// Entries left out are deleted, entries without a component are added; handles follow.
#include <gtest/gtest.h>

#include "tests/mailbox/CalendarFiles.h"
#include "tests/mailbox/Samples.h"

namespace qh::sim::mailbox::testing {
namespace {

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

CalendarEntry settingsItem() {
  CalendarEntry e;
  e.subject = "Quillhour_Settings1_";
  e.start = Date::fromParts(2099, 1, 1);
  e.durationMinutes = 30;
  e.body = "Admin; Support";
  return e;
}

TEST(Delete, RemovesExactlyTheComponentsText) {
  TempFolder folder;
  const std::string original = crlf(kGoogleSample);
  const std::string path = folder.write("c.ics", original);
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries.erase(entries.begin() + 1);  // the series; its moved instance stays
  store.save(entries);

  const std::string series = crlf(
      "BEGIN:VEVENT\nDTSTART;TZID=Europe/Berlin:20240108T090000\nDTEND;TZID=Europe/"
      "Berlin:20240108T091500\n"
      "RRULE:FREQ=WEEKLY;BYDAY=MO\nUID:standup@google.com\nSUMMARY:Stand-up\nEND:VEVENT\n");
  std::string expected = original;
  expected.erase(expected.find(series), series.size());
  EXPECT_EQ(readFile(path), expected);
  ASSERT_EQ(store.entries().size(), 2u);
  EXPECT_EQ(store.entries()[1].subject, "Stand-up (moved)");
}

TEST(Create, SettingsItemWithZoneDefinitionReadsBack) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf(kOutlookSample));
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries.push_back(settingsItem());
  store.save(entries);

  const std::string text = readFile(path);
  EXPECT_EQ(occurrences(text, "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"), 1u);
  EXPECT_NE(text.find("DTSTAMP:20231114T221320Z\r\nDTSTART;TZID=Europe/Berlin:20990101T000000\r\n"
                      "DTEND;TZID=Europe/Berlin:20990101T003000\r\nSUMMARY:Quillhour_Settings1_\r\n"
                      "DESCRIPTION:Admin\\; Support\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"),
            std::string::npos)
      << text;
  // No alarm: the settings item has no reminder.
  EXPECT_EQ(occurrences(text, "BEGIN:VALARM"), 1u);

  // The new entry got its handle and key; a fresh read sees the same.
  ASSERT_NE(entries.back().component, nullptr);
  EXPECT_FALSE(entries.back().key.empty());
  const auto again = openIn(path).entries();
  ASSERT_EQ(again.size(), 4u);
  EXPECT_EQ(again[3].key, entries.back().key);
  EXPECT_EQ(again[3].subject, "Quillhour_Settings1_");
  EXPECT_EQ(show(again[3].start), "2099-01-01 00:00:00");
  EXPECT_EQ(again[3].durationMinutes, 30);
  EXPECT_EQ(again[3].body, "Admin; Support");
}

TEST(Create, ZoneDefinitionIsAddedOnceAndNotWhereTheCalendarHasIt) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf(kGoogleSample));
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries.push_back(settingsItem());
  entries.push_back(settingsItem());
  store.save(entries);
  const std::string text = readFile(path);
  EXPECT_EQ(occurrences(text, "BEGIN:VTIMEZONE"), 1u) << "Google's own Europe/Berlin serves";
  EXPECT_EQ(occurrences(text, "SUMMARY:Quillhour_Settings1_"), 2u);
  EXPECT_NE(entries[3].key, entries[4].key);
}

TEST(Create, AllDayUtcAndUserKeyedEntries) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nEND:VCALENDAR\n");
  CalendarStore store = openIn(path, "UTC");
  CalendarEntry day;
  day.key = "chosen-uid";
  day.subject = "Off";
  day.start = Date::fromParts(2024, 5, 1);
  day.durationMinutes = 1440;
  day.allDayEvent = true;
  day.categories = "Admin, Leave";
  CalendarEntry timed;
  timed.subject = "Call";
  timed.start = Date::fromParts(2024, 5, 2, 9, 15);
  timed.durationMinutes = 45;
  std::vector<CalendarEntry> entries{day, timed};
  store.save(entries);

  const std::string text = readFile(path);
  EXPECT_EQ(text.find("BEGIN:VTIMEZONE"), std::string::npos) << "UTC needs no definition";
  EXPECT_NE(
      text.find(
          "BEGIN:VEVENT\nUID:chosen-uid\nDTSTAMP:20231114T221320Z\nDTSTART;VALUE=DATE:20240501\n"
          "DTEND;VALUE=DATE:20240502\nSUMMARY:Off\nCATEGORIES:Admin,Leave\nEND:VEVENT\n"),
      std::string::npos)
      << "new lines follow the file's bare line feeds\n"
      << text;
  EXPECT_NE(text.find("DTSTART:20240502T091500Z\nDTEND:20240502T100000Z\nSUMMARY:Call\n"),
            std::string::npos);
  EXPECT_EQ(entries[0].key, "chosen-uid");
}

TEST(Create, ZoneDefinitionFollowsTheFilesBareLineFeeds) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nEND:VCALENDAR\n");
  CalendarStore store = openIn(path, "America/New_York");
  std::vector<CalendarEntry> entries{settingsItem()};
  store.save(entries);
  const std::string text = readFile(path);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_NE(text.find("BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VTIMEZONE\nTZID:America/New_York\n"),
            std::string::npos);
  EXPECT_EQ(show(openIn(path, "America/New_York").entries().at(0).start), "2099-01-01 00:00:00");
  EXPECT_EQ(show(openIn(path, "Europe/Berlin").entries().at(0).start), "2099-01-01 06:00:00");
}

TEST(Handles, FollowTheirComponentsFromSaveToSave) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf(kGoogleSample));
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  const ComponentHandle call = entries[0].component;
  entries[0].subject = "Customer call, moved";
  entries.push_back(settingsItem());
  store.save(entries);
  EXPECT_EQ(store.entries()[0].component, call);

  entries[0].subject = "Customer call, moved again";
  entries[3].body = "Admin";
  store.save(entries);
  const auto again = openIn(path).entries();
  EXPECT_EQ(again[0].subject, "Customer call, moved again");
  EXPECT_EQ(again[3].body, "Admin");
}

TEST(Handles, ThatAreNotInTheFileAreRefused) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf(kGoogleSample));
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  const CalendarEntry deleted = entries[0];
  entries.erase(entries.begin());
  store.save(entries);
  const std::string saved = readFile(path);

  auto withDeleted = entries;
  withDeleted.push_back(deleted);
  EXPECT_THROW(store.save(withDeleted), CalendarError);
  auto foreign = entries;
  foreign.push_back(openIn(folder.write("other.ics", crlf(kGoogleSample))).entries()[0]);
  EXPECT_THROW(store.save(foreign), CalendarError);
  auto twice = entries;
  twice.push_back(entries[0]);
  try {
    store.save(twice);
    FAIL() << "no error";
  } catch (const CalendarError& e) {
    EXPECT_EQ(e.description(), path + ": entry 'standup@google.com' is given twice");
  }
  EXPECT_EQ(readFile(path), saved);
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
