#include "apps/quillhour/CommandGroup.h"

#include <fmt/format.h>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Errors.h"

namespace qh::app {

const std::string& CommandGroup::word(const ParsedCommand& command, std::size_t i,
                                      const char* expected) {
  if (i >= command.size())
    throw CommandError(fmt::format("\"{}\" needs {}", command.textFrom(0), expected));
  return command.word(i);
}

void CommandGroup::noMore(const ParsedCommand& command, std::size_t i) {
  if (i < command.size())
    throw CommandError(
        fmt::format("unexpected \"{}\" after \"{}\"", command.textFrom(i), command.word(i - 1)));
}

Date CommandGroup::date(const std::string& text) {
  if (auto d = parseDate(text)) return *d;
  throw CommandError(fmt::format("\"{}\" is not a date (YYYY-MM-DD)", text));
}

bool CommandGroup::onOff(const ParsedCommand& command, std::size_t i) {
  const std::string& value = word(command, i, "on or off");
  noMore(command, i + 1);
  if (value == "on") return true;
  if (value == "off") return false;
  unknown(command, i, "on or off");
}

void CommandGroup::unknown(const ParsedCommand& command, std::size_t i, const char* expected) {
  throw CommandError(fmt::format("\"{}\" is not one of: {}", command.word(i), expected));
}

}  // namespace qh::app
