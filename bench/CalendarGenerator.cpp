#include "bench/CalendarGenerator.h"

#include <fmt/format.h>

#include <ctime>
#include <tuple>

namespace qh::bench {
namespace {

constexpr int kPerDay = 16;
const char* const kTags[] = {"Atlas",    "Beacon",  "Compass", "Delta",
                             "Internal", "Support", "Sales",   "Training"};

// The working days from 2 January 2020 on, one after the other.
class WorkingDays {
 public:
  WorkingDays() {
    day_.tm_year = 120;
    day_.tm_mon = 0;
    day_.tm_mday = 1;
    day_.tm_hour = 12;
  }
  // The next working day, as y-m-d.
  std::tuple<int, int, int> next() {
    do {
      ++day_.tm_mday;
      timegm(&day_);  // normalises the date and sets the weekday
    } while (day_.tm_wday == 0 || day_.tm_wday == 6);
    return {day_.tm_year + 1900, day_.tm_mon + 1, day_.tm_mday};
  }

 private:
  std::tm day_{};
};

const char* kZone =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

}  // namespace

std::string generateCalendar(int times) {
  std::string out = "BEGIN:VCALENDAR\r\nPRODID:-//Quillhour//Benchmark//EN\r\nVERSION:2.0\r\n";
  out += kZone;
  WorkingDays days;
  for (int made = 0; made < times;) {
    const auto [year, month, day] = days.next();
    for (int slot = 0; slot < kPerDay && made < times; ++slot, ++made) {
      const int minutes = 8 * 60 + slot * 30;
      const char* tag = kTags[(made + made / kPerDay * 3) % 8];
      out += fmt::format(
          "BEGIN:VEVENT\r\nUID:bench-{0}@example.com\r\nDTSTAMP:20191201T080000Z\r\n"
          "DTSTART;TZID=Europe/Berlin:{1:04}{2:02}{3:02}T{4:02}{5:02}00\r\n"
          "DURATION:PT30M\r\nSUMMARY:{6} task {0}\r\nCATEGORIES:{6}\r\n"
          "DESCRIPTION:Worked on item {0} of the {6} backlog\r\nEND:VEVENT\r\n",
          made, year, month, day, minutes / 60, minutes % 60, tag);
    }
  }
  out +=
      "BEGIN:VEVENT\r\nUID:bench-settings@example.com\r\nDTSTAMP:20191201T080000Z\r\n"
      "DTSTART;TZID=Europe/Berlin:20990101T000000\r\nDURATION:PT30M\r\n"
      "SUMMARY:Quillhour_Settings1_\r\n"
      "DESCRIPTION:Atlas\\; Beacon\\; Compass\\; Delta\\; Internal\\; Support\\; Sales\\; "
      "Training\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  return out;
}

std::string lastDayOf(int times) {
  WorkingDays days;
  std::tuple<int, int, int> last;
  for (int made = 0; made < times; made += kPerDay) last = days.next();
  return fmt::format("{:04}-{:02}-{:02}", std::get<0>(last), std::get<1>(last), std::get<2>(last));
}

}  // namespace qh::bench
