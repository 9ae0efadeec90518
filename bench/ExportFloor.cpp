// The floor an export is measured against: the least work that turns the calendar file into
// the same rows of a workbook. libical parses the file; each Time's start, subject, hours and
// tag go to one row of an .xlsx written by libxlsxwriter.
//   export_floor CALENDAR.ics OUT.xlsx
#include <libical/ical.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr double kUnixEpochSerial = 25569.0;  // 1 January 1970 as an OLE date

double localSerial(icaltimetype t, icaltimezone* local) {
  icaltimetype at = icaltime_convert_to_zone(t, local);
  at.zone = nullptr;
  return kUnixEpochSerial + static_cast<double>(icaltime_as_timet(at)) / 86400.0;
}

std::string readAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: export_floor CALENDAR.ics OUT.xlsx\n");
    return 2;
  }
  icalcomponent* calendar = icalparser_parse_string(readAll(argv[1]).c_str());
  if (!calendar) return 1;
  icaltimezone* local = icaltimezone_get_builtin_timezone("Europe/Berlin");

  lxw_workbook* book = workbook_new(argv[2]);
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Quillhour");
  lxw_format* dateTime = workbook_add_format(book);
  format_set_num_format(dateTime, "m/d/yyyy h:mm");
  const char* headings[] = {"Date", "Subject", "Time", "Tag"};
  for (int c = 0; c < 4; ++c) worksheet_write_string(sheet, 2, 2 + c, headings[c], nullptr);

  int row = 3;
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    const char* subject = icalcomponent_get_summary(event);
    if (subject && std::string(subject) == "Quillhour_Settings1_") continue;
    icalproperty* category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
    const double hours = icaldurationtype_as_int(icalcomponent_get_duration(event)) / 3600.0;
    worksheet_write_number(sheet, row, 2, localSerial(icalcomponent_get_dtstart(event), local),
                           dateTime);
    worksheet_write_string(sheet, row, 3, subject ? subject : "", nullptr);
    worksheet_write_number(sheet, row, 4, hours, nullptr);
    worksheet_write_string(sheet, row, 5, category ? icalproperty_get_categories(category) : "",
                           nullptr);
    ++row;
  }
  icalcomponent_free(calendar);
  const lxw_error closed = workbook_close(book);
  std::printf("%d rows\n", row - 3);
  return closed == LXW_NO_ERROR ? 0 : 1;
}
