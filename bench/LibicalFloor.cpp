// What libical alone needs to parse a calendar file: the yardstick for reading one.
//   libical_floor CALENDAR.ics
#include <libical/ical.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: libical_floor CALENDAR.ics\n");
    return 2;
  }
  std::string text;
  {
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
  }
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  if (!calendar) return 1;
  int events = 0;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
    ++events;
  std::printf("%d events\n", events);
  icalcomponent_free(calendar);
  return 0;
}
