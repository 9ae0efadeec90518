#include "hosts/sim/mailbox/UserPropertyText.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "hosts/sim/mailbox/IcsText.h"
#include "hosts/sim/mailbox/TimeValue.h"

namespace qh::sim::mailbox {
namespace {

bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

void checkName(const std::string& name) {
  for (char c : name)
    if (!isNameCharacter(c))
      throw std::invalid_argument("user property '" + name +
                                  "' cannot be stored: names take letters, digits and '-' only");
  if (name.empty()) throw std::invalid_argument("a user property needs a name");
}

std::optional<double> readNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string writeNumber(double value) {
  // FLOAT values have no exponent; fixed notation, shortest text that reads back the same.
  if (!std::isfinite(value)) throw std::invalid_argument("a number property must be finite");
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

std::optional<UserProperty> readTyped(const ContentLine& line, const std::string& valueType,
                                      icalcomponent* calendar, const LocalTime& local) {
  UserProperty p;
  if (valueType == "BOOLEAN") {
    if (!equalsIgnoreCase(line.value, "TRUE") && !equalsIgnoreCase(line.value, "FALSE"))
      return std::nullopt;
    p.type = UserPropertyType::YesNo;
    p.value = Variant(equalsIgnoreCase(line.value, "TRUE"));
  } else if (valueType == "FLOAT" || valueType == "INTEGER") {
    const auto number = readNumber(line.value);
    if (!number) return std::nullopt;
    p.type = UserPropertyType::Number;
    p.value = Variant(*number);
  } else if (valueType == "DATE-TIME" || valueType == "DATE") {
    std::string unknownZone;
    const auto time = readTime(line, calendar, unknownZone);
    if (!time || !unknownZone.empty()) return std::nullopt;
    p.type = UserPropertyType::DateTime;
    p.value = Variant(local.toLocal(*time));
  } else {
    p.value = Variant(readableText(unescapeText(line.value)));
  }
  return p;
}

}  // namespace

bool isUserPropertyName(std::string_view propertyName) {
  return propertyName.size() > kUserPropertyPrefix.size() &&
         startsWithIgnoreCase(propertyName, kUserPropertyPrefix);
}

bool isUserPropertyLine(const ContentLine& line) {
  return isUserPropertyName(line.name);
}

UserPropertyReading readUserProperty(const ContentLine& line, icalcomponent* calendar,
                                     const LocalTime& local) {
  const std::string valueType = toUpperAscii(line.param("VALUE"));
  UserPropertyReading reading;
  if (auto typed = readTyped(line, valueType, calendar, local)) {
    reading.property = std::move(*typed);
  } else {
    reading.property.value = Variant(readableText(unescapeText(line.value)));
    reading.problem = "unreadable " + valueType + " value in " + line.name + "; read as text";
  }
  reading.property.name = line.name.substr(kUserPropertyPrefix.size());
  return reading;
}

std::string formatUserProperty(const UserProperty& p, const LocalTime& local) {
  checkName(p.name);
  const std::string name = std::string(kUserPropertyPrefix) + p.name;
  switch (p.type) {
    case UserPropertyType::Text:
      return formatContentLine(name, {}, escapeText(p.value.toString()));
    case UserPropertyType::Number:
      return formatContentLine(name, {{"VALUE", "FLOAT"}}, writeNumber(p.value.toDouble()));
    case UserPropertyType::YesNo:
      return formatContentLine(name, {{"VALUE", "BOOLEAN"}}, p.value.toBool() ? "TRUE" : "FALSE");
    case UserPropertyType::DateTime:
      return formatContentLine(
          name, {{"VALUE", "DATE-TIME"}},
          formatTimeValue(local.fromLocal(p.value.toDate(), icaltimezone_get_utc_timezone())));
  }
  throw std::invalid_argument("user property '" + p.name + "' has an unknown type");
}

}  // namespace qh::sim::mailbox
