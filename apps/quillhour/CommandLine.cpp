#include "apps/quillhour/CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <sstream>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/ExportCommands.h"

namespace qh::app {
namespace {

constexpr const char* kSessionLanguage = R"(
Session commands, one a line ("#" starts a comment; DATE is YYYY-MM-DD, TIME HH:MM,
ID an EntryID as `list` shows it, TEXT the rest of the line, or a "quoted" text):
  explorer open [calendar|inbox|outbox]   explorer N   explorer close
  folder calendar|inbox|outbox            select ID...  (no ID: empty selection)
  choose-tag TEXT   type-tag TEXT         press New Time|Export Times|Settings|About Quillhour
  open ID   inspector set subject|start|duration|body|categories VALUE
  inspector choose-tag TEXT   inspector type-tag TEXT   inspector save   inspector close
  pane choose-tag TEXT   send ID
  export from DATE   export to DATE   export go   export cancel
  export check all-day|untagged|recurring|exported|minutes|description|mark|delete|diagram on|off
  settings type TEXT   settings enter   settings add   settings select TEXT[; TEXT...]
  settings delete   settings save   settings cancel
  about web|email|manual|sysinfo|ok
  show bar   show inspector   show log   show tags   show settings   show alerts
  show about   show item ID
  list [from DATE] [to DATE]   quit
)";

CLI::Validator dateCheck() {
  return CLI::Validator(
      [](std::string& text) {
        return parseDate(text) ? std::string() : "not a date (YYYY-MM-DD): " + text;
      },
      "DATE");
}

// The global options that need reading after the parse.
struct GlobalTexts {
  std::string now, locale, answer;
  bool noTaskPanes = false;
  double waitSeconds = 5;
};

void globalOptions(CLI::App& app, Invocation& inv, GlobalTexts& texts) {
  std::string& now = texts.now;
  std::string& locale = texts.locale;
  std::string& answer = texts.answer;
  app.add_option("--mailbox", inv.session.mailbox, "The calendar file (.ics) that is your mailbox")
      ->type_name("FILE");
  app.add_option("--out", inv.session.outDir, "Where workbooks go (default: the current folder)")
      ->type_name("DIR");
  app.add_option("--now", now, "Fixes the clock, for reproducible runs")
      ->type_name("\"YYYY-MM-DD HH:MM:SS\"")
      ->check(CLI::Validator(
          [](std::string& text) {
            return parseDateTime(text) && text.size() == 19
                       ? std::string()
                       : "not a time (YYYY-MM-DD HH:MM:SS): " + text;
          },
          ""));
  app.add_option("--locale", locale, "Regional formats of the simulated Windows")
      ->check(CLI::IsMember({"en-US", "en-GB", "de-DE"}))
      ->default_str("en-US");
  app.add_option("--outlook-version", inv.session.outlookVersion, "Outlook's major version")
      ->check(CLI::Range(8, 99))
      ->default_str("16")
      ->type_name("N");
  app.add_flag("--no-task-panes", texts.noTaskPanes, "An Outlook without custom task panes");
  app.add_option("--wait", texts.waitSeconds,
                 "How long to wait for another quillhour that has the calendar open for changes")
      ->check(CLI::Range(0.0, 3600.0))
      ->default_str("5")
      ->type_name("SECONDS");
  app.add_option("--answer", answer, "How alerts, message boxes and save prompts are answered")
      ->check(CLI::IsMember({"ok", "cancel"}))
      ->default_str("ok");
}

CLI::App* demoCommand(CLI::App& app) {
  return app
      .add_subcommand("demo",
                      "Runs the example: a fortnight of work is tagged and its last week exported")
      ->footer(R"(
Copies the example calendar into the output folder (default: ./quillhour-demo), runs the example
script on it in the simulated Outlook, and tells where the workbook and the updated calendar are.

Examples:
  quillhour demo
  quillhour demo --out /tmp/demo --locale de-DE)");
}

CLI::App* listCommand(CLI::App& app, Invocation& inv) {
  CLI::App* list = app.add_subcommand("list", "Lists the calendar's items, by start");
  list->add_option("--from", "Only items starting on this day or later")->check(dateCheck());
  list->add_option("--to", "Only items starting on this day or earlier")->check(dateCheck());
  list->footer(R"(
One line per item: EntryID, start (YYYY-MM-DD HH:MM), minutes, categories and subject, separated
by tabs.

Examples:
  quillhour --mailbox calendar.ics list
  quillhour --mailbox calendar.ics list --from 2026-11-30 --to 2026-12-04)");
  (void)inv;
  return list;
}

CLI::App* tagsCommand(CLI::App& app, Invocation& inv) {
  CLI::App* tags = app.add_subcommand("tags", "Prints the tag list, or stores a new one");
  tags->add_option("--set", inv.setTags,
                   "Stores this list through the settings dialog (each tag added, then Save)")
      ->type_name("\"A; B; C\"");
  tags->footer(R"(
Examples:
  quillhour --mailbox calendar.ics tags
  quillhour --mailbox calendar.ics tags --set "Atlas; Support; Training")");
  return tags;
}

CLI::App* tagCommand(CLI::App& app, Invocation& inv) {
  CLI::App* tag = app.add_subcommand(
      "tag", "Selects items in the calendar and picks a tag from the bar's \"Tag:\" box");
  tag->add_option("TAG", inv.tag, "A tag of the tag list")->required();
  tag->add_option("ID", inv.entryIds, "EntryIDs, as `list` shows them")->required();
  tag->footer(R"(
Examples:
  quillhour --mailbox calendar.ics tag Atlas 3f2a-0001@example.com 3f2a-0002@example.com)");
  return tag;
}

CLI::App* exportCommand(CLI::App& app, Invocation& inv, std::map<std::string, bool>& flags) {
  CLI::App* exporting = app.add_subcommand(
      "export", "Exports Times to a workbook through the export dialog, and presses Export");
  exporting->add_option("--from", "The first day")->check(dateCheck())->required();
  exporting->add_option("--to", "The last day")->check(dateCheck())->required();
  const std::map<std::string, std::string> help = {
      {"all-day", "Include all day events"},
      {"untagged", "Include non-Quillhour-tagged items"},
      {"recurring", "Include recurring events"},
      {"exported", "Include already exported items"},
      {"minutes", "Export duration in minutes"},
      {"description", "Include item description (Body)"},
      {"mark", "Mark items as exported"},
      {"delete", "Delete items after export"},
      {"diagram", "Create Excel diagram (pivot table and chart)"}};
  for (const std::string& name : ExportCommands::optionNames())
    exporting->add_flag("--" + name, flags[name], help.at(name));
  exporting->add_option("-o,--output", inv.workbook, "Where the workbook goes in the end")
      ->type_name("FILE.xlsx");
  exporting->footer(R"(
Prints how many Times were exported, the total hours and the hours per tag, and where the
workbook is. Marks and deletions go back into the calendar file.

Examples:
  quillhour --mailbox calendar.ics export --from 2026-11-30 --to 2026-12-04 --diagram
  quillhour --mailbox calendar.ics export --from 2026-12-01 --to 2026-12-31 --mark -o dec.xlsx)");
  return exporting;
}

CLI::App* runCommand(CLI::App& app, Invocation& inv) {
  CLI::App* run = app.add_subcommand("run", "Acts out a script of session commands");
  run->add_option("SCRIPT", inv.script, "The script, or - for standard input")->required();
  run->footer(std::string(R"(
Outlook starts with one explorer on the calendar and loads the add-in; the script acts as the
user, one command a line; Outlook quits at its end or at `quit`, and the calendar file is
written back when it changed. A line that fails is reported with its number, the script goes on,
and the program ends with status 1.

Examples:
  quillhour --mailbox calendar.ics run week.qh
  echo "show tags" | quillhour --mailbox calendar.ics run -
)") + kSessionLanguage);
  return run;
}

CLI::App* shellCommand(CLI::App& app) {
  return app
      .add_subcommand("shell", "Session commands typed at a prompt, with completion and history")
      ->footer(std::string(R"(
Lines are edited as at any prompt (libedit; ~/.editrc applies). Tab completes commands, EntryIDs
and tags; the arrows up and down recall earlier lines, also those of earlier runs, which are kept
in $XDG_STATE_HOME/quillhour/history. Ctrl+D or `quit` ends the session.

Examples:
  quillhour --mailbox calendar.ics --now "2026-12-04 17:30:00" shell
)") + kSessionLanguage);
}

void readGlobals(const CLI::App& app, Invocation& inv, const GlobalTexts& texts) {
  inv.outGiven = app.count("--out") > 0;
  if (!texts.now.empty()) inv.session.now = parseDateTime(texts.now);
  if (!texts.locale.empty()) inv.session.locale = *sim::SimLocale::fromName(texts.locale);
  inv.session.taskPanes = !texts.noTaskPanes;
  inv.session.answerOk = texts.answer != "cancel";
  inv.session.lockWait = std::chrono::milliseconds(static_cast<long>(texts.waitSeconds * 1000));
}

// Commands that only read leave the calendar unlocked for others; those that change it are
// refused up front on a calendar that cannot be written.
SessionOptions::Access accessOf(const Invocation& inv) {
  using Access = SessionOptions::Access;
  const auto& options = inv.exportOptions;
  const bool marks = std::find(options.begin(), options.end(), "mark") != options.end() ||
                     std::find(options.begin(), options.end(), "delete") != options.end();
  switch (inv.command) {
    case Invocation::Command::List:
      return Access::Read;
    case Invocation::Command::Tags:
      return inv.setTags ? Access::Change : Access::Read;
    case Invocation::Command::Tag:
      return Access::Change;
    case Invocation::Command::Export:
      return marks ? Access::Change : Access::Read;
    default:
      return Access::MayChange;
  }
}

std::optional<Date> dateOption(const CLI::App& command, const char* name) {
  const CLI::Option* option = command.get_option(name);
  if (option->count() == 0) return std::nullopt;
  return parseDate(option->as<std::string>());
}

}  // namespace

CommandLine::Result CommandLine::parse(int argc, const char* const* argv, Output& output) {
  Invocation inv;
  GlobalTexts texts;
  std::map<std::string, bool> flags;
  CLI::App app("Quillhour: the Outlook time-reporting add-in at work on your calendar file",
               "quillhour");
  app.require_subcommand(1);
  app.fallthrough();
  app.footer(R"(
Examples:
  quillhour demo
  quillhour --mailbox calendar.ics list --from 2026-11-30
  quillhour --mailbox calendar.ics export --from 2026-11-30 --to 2026-12-04 --diagram
  quillhour --mailbox calendar.ics shell

`quillhour COMMAND --help` tells more about each command.)");
  globalOptions(app, inv, texts);
  const std::map<Invocation::Command, CLI::App*> commands = {
      {Invocation::Command::Demo, demoCommand(app)},
      {Invocation::Command::List, listCommand(app, inv)},
      {Invocation::Command::Tags, tagsCommand(app, inv)},
      {Invocation::Command::Tag, tagCommand(app, inv)},
      {Invocation::Command::Export, exportCommand(app, inv, flags)},
      {Invocation::Command::Run, runCommand(app, inv)},
      {Invocation::Command::Shell, shellCommand(app)}};
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e, output.out(), output.err());
    return {std::nullopt, status == 0 ? 0 : 2};
  }
  readGlobals(app, inv, texts);
  for (const auto& [command, sub] : commands) {
    if (!sub->parsed()) continue;
    inv.command = command;
    if (sub->get_option_no_throw("--from")) {
      inv.from = dateOption(*sub, "--from");
      inv.to = dateOption(*sub, "--to");
    }
  }
  for (const std::string& name : ExportCommands::optionNames())
    if (flags[name]) inv.exportOptions.push_back(name);
  inv.session.access = accessOf(inv);
  return {std::move(inv), 0};
}

}  // namespace qh::app
