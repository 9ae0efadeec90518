#include "apps/quillhour/Program.h"

#include <fstream>

#include "apps/quillhour/CommandLine.h"
#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Demo.h"
#include "apps/quillhour/Errors.h"
#include "apps/quillhour/InstallPaths.h"
#include "apps/quillhour/OneShotCommands.h"
#include "apps/quillhour/OutputPaths.h"
#include "apps/quillhour/ScriptRunner.h"
#include "apps/quillhour/TerminalLines.h"

namespace qh::app {
namespace {

using Command = Invocation::Command;

const char* nameOf(Command command) {
  switch (command) {
    case Command::Demo:
      return "demo";
    case Command::List:
      return "list";
    case Command::Tags:
      return "tags";
    case Command::Tag:
      return "tag";
    case Command::Export:
      return "export";
    case Command::Run:
      return "run";
    case Command::Shell:
      return "shell";
  }
  return "";
}

int runScript(const Invocation& invocation, Output& output) {
  std::ifstream file;
  if (invocation.script != "-") {
    file.open(invocation.script);
    if (!file) throw InputError(fmt::format("cannot read the script {}", invocation.script));
  }
  Session session(invocation.session, output);
  StreamLines lines(invocation.script == "-" ? std::cin : file);
  const std::string source = invocation.script == "-" ? "<stdin>" : invocation.script;
  const int failures = ScriptRunner(session, output, {source, false}).run(lines);
  const bool written = session.finish();
  if (failures > 0)
    output.error("{}: {} {} failed", source, failures, failures == 1 ? "line" : "lines");
  return failures == 0 && written ? 0 : 1;
}

// What Tab offers at the shell's prompt: the calendar's EntryIDs and the add-in's tags.
ShellCompletion::Sources completionSources(Session& session) {
  Desktop& desktop = session.desktop();
  return {[&desktop] {
            std::vector<std::string> ids;
            for (const auto& item : desktop.outlook().calendar().items())
              ids.push_back(item->entryId());
            return ids;
          },
          [&desktop] {
            try {
              return desktop.tagArray().items;
            } catch (const std::exception&) {
              return std::vector<std::string>{};  // the add-in is not connected
            }
          }};
}

int runShell(const Invocation& invocation, Output& output) {
  Session session(invocation.session, output);
  output.line("Outlook is running with {}; type session commands, `quit` to end.",
              invocation.session.mailbox);
  TerminalLines lines("quillhour> ", ShellCompletion(completionSources(session)),
                      TerminalLines::historyFile());
  ScriptRunner(session, output, {"line", false}).run(lines);
  return session.finish() ? 0 : 1;
}

// The export dialog's date pickers show 2000-01-01 to 2049-12-31 and start at today: a clock
// outside would fail in the dialog, not in the command.
void checkClockForExport(const Invocation& invocation) {
  if (invocation.command != Command::Export || !invocation.session.now) return;
  const Date day = invocation.session.now->dateOnly();
  if (day < Date::fromParts(2000, 1, 1) || day > Date::fromParts(2049, 12, 31))
    throw InputError(
        fmt::format("--now {} is outside the dates the export dialog can show "
                    "(2000-01-01 to 2049-12-31)",
                    formatDate(day)));
}

int runCommand(const Invocation& invocation, Output& output) {
  checkOutputs(invocation);
  checkClockForExport(invocation);
  if (invocation.command == Command::Demo) return Demo(invocation, output).run();
  if (invocation.session.mailbox.empty())
    throw InputError(fmt::format("`{}` needs --mailbox FILE.ics", nameOf(invocation.command)));
  OneShotCommands oneShot(invocation, output);
  switch (invocation.command) {
    case Command::List:
      return oneShot.list();
    case Command::Tags:
      return oneShot.tags();
    case Command::Tag:
      return oneShot.tag();
    case Command::Export:
      return oneShot.exportTimes();
    case Command::Run:
      return runScript(invocation, output);
    default:
      return runShell(invocation, output);
  }
}

}  // namespace

int Program::run(int argc, const char* const* argv) {
  CommandLine::Result parsed = CommandLine::parse(argc, argv, output_);
  if (!parsed.invocation) return parsed.exitStatus;
  Invocation& invocation = *parsed.invocation;
  invocation.session.moduleDir = moduleDir();
  try {
    return runCommand(invocation, output_);
  } catch (const InputError& e) {
    output_.error("quillhour: {}", e.what());
    return 2;
  } catch (const std::exception& e) {
    output_.error("quillhour: {}", e.what());
    return 1;
  }
}

}  // namespace qh::app
