#include "apps/quillhour/DateText.h"

#include <fmt/format.h>

#include <cctype>

namespace qh::app {
namespace {

// Exactly `digits` decimal digits at the front of text, which they leave.
std::optional<int> takeNumber(std::string_view& text, std::size_t digits) {
  if (text.size() < digits) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  text.remove_prefix(digits);
  return value;
}

bool takeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<Date::Parts> takeDate(std::string_view& text) {
  Date::Parts p;
  const auto year = takeNumber(text, 4);
  if (!year || !takeChar(text, '-')) return std::nullopt;
  const auto month = takeNumber(text, 2);
  if (!month || !takeChar(text, '-')) return std::nullopt;
  const auto day = takeNumber(text, 2);
  if (!day || *year < 100 || *month < 1 || *month > 12 || *day < 1 ||
      *day > daysInMonth(*year, *month))
    return std::nullopt;
  p.year = *year;
  p.month = *month;
  p.day = *day;
  return p;
}

}  // namespace

std::optional<Date> parseDate(std::string_view text) {
  const auto parts = takeDate(text);
  if (!parts || !text.empty()) return std::nullopt;
  return Date::fromParts(*parts);
}

std::optional<Date> parseDateTime(std::string_view text) {
  auto parts = takeDate(text);
  if (!parts || !takeChar(text, ' ')) return std::nullopt;
  const auto hour = takeNumber(text, 2);
  if (!hour || !takeChar(text, ':')) return std::nullopt;
  const auto minute = takeNumber(text, 2);
  if (!minute) return std::nullopt;
  std::optional<int> second = 0;
  if (takeChar(text, ':')) second = takeNumber(text, 2);
  if (!second || !text.empty() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  parts->hour = *hour;
  parts->minute = *minute;
  parts->second = *second;
  return Date::fromParts(*parts);
}

std::string formatDate(Date d) {
  const Date::Parts p = d.parts();
  return fmt::format("{:04}-{:02}-{:02}", p.year, p.month, p.day);
}

std::string formatMinute(Date d) {
  const Date::Parts p = d.parts();
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", p.year, p.month, p.day, p.hour, p.minute);
}

std::string formatDateTime(Date d) {
  const Date::Parts p = d.parts();
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", p.year, p.month, p.day, p.hour,
                     p.minute, p.second);
}

}  // namespace qh::app
