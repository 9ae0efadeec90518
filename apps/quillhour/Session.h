#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "apps/quillhour/AboutCommands.h"
#include "apps/quillhour/Desktop.h"
#include "apps/quillhour/ExplorerCommands.h"
#include "apps/quillhour/ExportCommands.h"
#include "apps/quillhour/ItemWindowCommands.h"
#include "apps/quillhour/Output.h"
#include "apps/quillhour/SessionEvents.h"
#include "apps/quillhour/SettingsCommands.h"
#include "apps/quillhour/ShowCommands.h"

namespace qh::app {

// One sitting of a user at the simulated Outlook: it starts Outlook on the calendar file with
// the add-in, runs the session language one line at a time, and at the end quits Outlook and
// writes the file back when the session changed it.
class Session {
 public:
  // Raises InputError when the calendar file cannot be read, or cannot be written for a
  // session that is to change it; std::runtime_error when another process has it.
  Session(const SessionOptions& options, Output& output);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  // Runs one line; blank lines and comments do nothing. Raises CommandError when the line
  // cannot be carried out. What the host showed meanwhile is reported either way.
  void execute(std::string_view line);
  // After "quit": no further line is run.
  bool quitRequested() const { return quit_; }
  // Outlook quits and the add-in shuts down; then, when writeBack is set and the session
  // changed the calendar, the file is written back. Answers false when that failed (the file
  // stays as it was, and the output says so).
  bool finish(bool writeBack = true);

  Desktop& desktop() { return *desktop_; }
  SessionEvents& events() { return events_; }
  ExplorerCommands& explorer() { return explorer_; }
  ExportCommands& exporting() { return export_; }
  SettingsCommands& settings() { return settings_; }
  ShowCommands& show() { return show_; }

 private:
  void dispatch(const ParsedCommand& command);
  void afterCommand();
  bool writeBack();
  void checkWritable(const SessionOptions& options);

  Output& output_;
  SessionOptions::Access access_;
  std::unique_ptr<Desktop> desktop_;
  SessionEvents events_;
  ExplorerCommands explorer_;
  ItemWindowCommands inspector_;
  ExportCommands export_;
  SettingsCommands settings_;
  AboutCommands about_;
  ShowCommands show_;
  std::map<std::string, CommandGroup*, std::less<>> groups_;
  bool quit_ = false;
  bool finished_ = false;
};

}  // namespace qh::app
