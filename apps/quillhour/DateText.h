#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "automation/Date.h"

// Dates as the program reads and writes them, independent of the simulated locale:
// DATE is YYYY-MM-DD, a time HH:MM or HH:MM:SS after a blank.
namespace qh::app {

std::optional<Date> parseDate(std::string_view text);
// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS".
std::optional<Date> parseDateTime(std::string_view text);

std::string formatDate(Date d);      // 2026-12-04
std::string formatMinute(Date d);    // 2026-12-04 09:30
std::string formatDateTime(Date d);  // 2026-12-04 09:30:00

}  // namespace qh::app
