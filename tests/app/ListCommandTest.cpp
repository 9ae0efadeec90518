// `quillhour list`: the calendar as the simulated Outlook shows it, one item a line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/OnExampleCalendar.h"

namespace qh::app::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::SizeIs;

class ListCommand : public OnExampleCalendar {
 protected:
  std::vector<std::string> list(std::vector<std::string> extra = {}) {
    extra.insert(extra.begin(), "list");
    const ProgramRun run = quillhour(extra);
    EXPECT_EQ(run.status, 0) << run.err;
    return linesOf(run.out);
  }
};

TEST_F(ListCommand, ShowsEveryItemByStartWithItsFieldsSeparatedByTabs) {
  const auto lines = list();
  ASSERT_THAT(lines, SizeIs(30));  // 29 Times and the settings item
  EXPECT_EQ(lines.front(),
            "fortnight-01@example.com\t2026-11-23 09:00\t90\tAtlas\tAtlas: sprint planning");
  EXPECT_EQ(lines.back(),
            "fortnight-settings@example.com\t2099-01-01 00:00\t30\t\tQuillhour_Settings1_");
  EXPECT_THAT(lines, Contains("fortnight-11@example.com\t2026-11-26 00:00\t1440\tBeacon\t"
                              "Trade fair Frankfurt"));
  EXPECT_THAT(lines, Contains("fortnight-18@example.com\t2026-11-30 15:30\t90\t\tCode review"));
  EXPECT_THAT(folder.listing(), ElementsAre("calendar.ics")) << "listing writes nothing";
}

TEST_F(ListCommand, KeepsToTheDaysAsked) {
  const auto lines = list({"--from", "2026-12-03", "--to", "2026-12-03"});
  EXPECT_THAT(
      lines,
      ElementsAre("fortnight-24@example.com\t2026-12-03 09:00\t120\t\tWorkshop preparation",
                  "fortnight-25@example.com\t2026-12-03 11:00\t60\tSupport\tSupport tickets",
                  "fortnight-26@example.com\t2026-12-03 13:00\t240\tBeacon\tBeacon: dashboard"));
  EXPECT_THAT(list({"--from", "2026-12-04"}), SizeIs(4));
  EXPECT_THAT(list({"--to", "2026-11-23"}), SizeIs(4));
}

TEST_F(ListCommand, TimesFromOtherZonesAreShownInTheLocalOne) {
  folder.write("utc.ics",
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\n"
               "UID:u1\r\nDTSTART:20260701T070000Z\r\nDURATION:PT45M\r\nSUMMARY:Summer\r\n"
               "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:u2\r\nDTSTART:20261201T070000Z\r\n"
               "DTEND:20261201T080000Z\r\nSUMMARY:Winter\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  const ProgramRun run = runQuillhour({"--mailbox", "utc.ics", "list"}, folder.path());
  EXPECT_THAT(linesOf(run.out), ElementsAre("u1\t2026-07-01 09:00\t45\t\tSummer",
                                            "u2\t2026-12-01 08:00\t60\t\tWinter"));
}

}  // namespace
}  // namespace qh::app::testing
