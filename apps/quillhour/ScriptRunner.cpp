#include "apps/quillhour/ScriptRunner.h"

#include "apps/quillhour/Errors.h"
#include "apps/quillhour/ParsedCommand.h"

namespace qh::app {
namespace {

bool isCommand(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  return first != std::string::npos && line[first] != '#';
}

}  // namespace

int ScriptRunner::run(LineSource& lines) {
  int failures = 0;
  int number = 0;
  while (!session_.quitRequested()) {
    const std::optional<std::string> line = lines.next();
    if (!line) break;
    ++number;
    if (options_.echo) {
      if (isCommand(*line))
        output_.line("> {}", *line);
      else
        output_.line("{}", *line);
    }
    try {
      session_.execute(*line);
    } catch (const CommandError& e) {
      ++failures;
      output_.error("{}:{}: {}", options_.source, number, e.what());
    }
  }
  return failures;
}

}  // namespace qh::app
