#include "apps/quillhour/Session.h"

#include "apps/quillhour/Errors.h"
#include "apps/quillhour/ProgressTicker.h"
#include "hosts/sim/mailbox/CalendarError.h"

namespace qh::app {
namespace {

// A large calendar takes a moment to read and to file into the calendar folder.
std::unique_ptr<Desktop> openDesktop(const SessionOptions& options, Output& output) {
  ProgressTicker ticker(output.err(), "reading " + options.mailbox);
  return std::make_unique<Desktop>(options);
}

}  // namespace

Session::Session(const SessionOptions& options, Output& output)
    : output_(output),
      access_(options.access),
      desktop_(openDesktop(options, output)),
      events_(*desktop_, output),
      explorer_(*desktop_, output),
      inspector_(*desktop_, output),
      export_(*desktop_, output),
      settings_(*desktop_, output),
      about_(*desktop_, output),
      show_(*desktop_, output, events_) {
  for (const std::string& warning : desktop_->mailbox().warnings())
    output_.error("warning: {}", warning);
  checkWritable(options);
  for (CommandGroup* group : std::initializer_list<CommandGroup*>{&explorer_, &inspector_, &export_,
                                                                  &settings_, &about_, &show_})
    for (const std::string& verb : group->verbs()) groups_[verb] = group;
  // What start-up showed (an alert, a failed handler) comes first.
  afterCommand();
}

Session::~Session() = default;

void Session::execute(std::string_view line) {
  const ParsedCommand command(line);
  if (command.empty()) return;
  if (quit_ || desktop_->quitted()) throw CommandError("Outlook has quit");
  events_.prepare();
  desktop_->tick();
  try {
    dispatch(command);
  } catch (const CommandError&) {
    afterCommand();
    throw;
  } catch (const std::exception& e) {
    // The host's own refusals (an item deleted, a control the user cannot reach).
    afterCommand();
    throw CommandError(e.what());
  }
  afterCommand();
}

void Session::dispatch(const ParsedCommand& command) {
  const std::string& verb = command.word(0);
  if (verb == "quit") {
    if (command.size() > 1) throw CommandError("\"quit\" takes nothing after it");
    quit_ = true;
    return;
  }
  const auto group = groups_.find(verb);
  if (group == groups_.end()) throw CommandError("unknown command \"" + verb + "\"");
  group->second->run(command);
}

void Session::afterCommand() {
  desktop_->followNewWindows();
  events_.report();
}

bool Session::finish(bool writeBack) {
  if (finished_) return true;
  finished_ = true;
  desktop_->quit();
  events_.report();
  return !writeBack || this->writeBack();
}

void Session::checkWritable(const SessionOptions& options) {
  sim::MailboxBinding& mailbox = desktop_->mailbox();
  if (options.access == SessionOptions::Access::Read || mailbox.writable()) return;
  if (options.access == SessionOptions::Access::Change)
    throw InputError(fmt::format("{} is read-only: it is left as it is", mailbox.path()));
  output_.error("warning: {} is read-only: changes will not be written to it", mailbox.path());
}

bool Session::writeBack() {
  sim::MailboxBinding& mailbox = desktop_->mailbox();
  if (access_ == SessionOptions::Access::Read) {
    // Nothing here changes the calendar; should anything have, it was not locked for it.
    if (!mailbox.pending().any()) return true;
    output_.error("quillhour: changes to {} were not written back", mailbox.path());
    return false;
  }
  try {
    const sim::MailboxChanges changes = [&] {
      ProgressTicker ticker(output_.err(), "writing " + mailbox.path());
      return mailbox.writeBack();
    }();
    if (changes.any())
      output_.line(
          "calendar: {} written ({} changed, {} deleted, {} added; the previous file is {})",
          mailbox.path(), changes.changed, changes.deleted, changes.added, mailbox.backupPath());
    return true;
  } catch (const sim::mailbox::CalendarError& e) {
    output_.error("quillhour: {}", e.description());
    if (e.kind() != sim::mailbox::CalendarError::Kind::Kept)
      output_.error("quillhour: the calendar was not written back; {} is as it was",
                    mailbox.path());
    return false;
  }
}

}  // namespace qh::app
