#include "apps/quillhour/OneShotCommands.h"

#include <algorithm>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Errors.h"
#include "apps/quillhour/TextFormat.h"

namespace qh::app {
namespace {

// The tag list's reading rule: "; " and ";" both separate.
std::vector<std::string> readTagList(const std::string& list) {
  std::string text;
  for (std::size_t i = 0; i < list.size(); ++i) {
    text += list[i];
    if (list[i] == ';' && i + 1 < list.size() && list[i + 1] == ' ') ++i;
  }
  std::vector<std::string> tags;
  if (text.empty()) return tags;
  std::size_t from = 0;
  for (std::size_t to; (to = text.find(';', from)) != std::string::npos; from = to + 1)
    tags.push_back(text.substr(from, to - from));
  tags.push_back(text.substr(from));
  return tags;
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : ", ") + item;
  return out;
}

}  // namespace

int OneShotCommands::inSession(const std::function<void(Session&)>& steps) {
  Session session(invocation_.session, output_);
  try {
    steps(session);
  } catch (const CommandError& e) {
    session.finish(false);
    throw InputError(e.what());
  }
  return session.finish() && !failed_ ? 0 : 1;
}

int OneShotCommands::list() {
  return inSession(
      [&](Session& session) { session.show().list(invocation_.from, invocation_.to); });
}

int OneShotCommands::tags() {
  return inSession([&](Session& session) {
    if (invocation_.setTags) setTags(session, *invocation_.setTags);
    printTags(session);
  });
}

void OneShotCommands::setTags(Session& session, const std::string& list) {
  session.explorer().press("Settings");
  SettingsCommands& dialog = session.settings();
  const std::vector<std::string> old = dialog.entries();
  if (!old.empty()) {
    dialog.select(old);
    dialog.click("DeleteButton");
  }
  for (const std::string& tag : readTagList(list)) {
    dialog.type(tag);
    dialog.click("AddButton");
  }
  dialog.click("Save");
}

void OneShotCommands::printTags(Session& session) {
  for (const std::string& tag : session.desktop().tagArray().items) output_.line("{}", tag);
}

int OneShotCommands::tag() {
  return inSession([&](Session& session) {
    const std::vector<std::string> choices = session.explorer().tagChoices();
    const std::string& tag = invocation_.tag;
    if (std::find(choices.begin(), choices.end(), tag) == choices.end())
      throw CommandError(fmt::format("{} is not in the tag list ({})", inQuotes(tag),
                                     choices.empty() ? "which is empty" : joined(choices)));
    int retagged = 0;
    for (const std::string& id : invocation_.entryIds)
      if (session.desktop().item(id)->value("Categories").toString() != tag) ++retagged;
    session.explorer().select(invocation_.entryIds);
    session.explorer().chooseTag(tag);
    const int items = static_cast<int>(invocation_.entryIds.size());
    output_.line("tagged {} of {} {} {}", retagged, items, items == 1 ? "item" : "items",
                 inQuotes(tag));
  });
}

int OneShotCommands::exportTimes() {
  if (*invocation_.from > *invocation_.to)
    throw InputError(fmt::format("--from {} is after --to {}", formatDate(*invocation_.from),
                                 formatDate(*invocation_.to)));
  return inSession([&](Session& session) {
    session.explorer().press("Export Times");
    ExportCommands& dialog = session.exporting();
    dialog.pickDate("StartDate", *invocation_.from);
    dialog.pickDate("EndDate", *invocation_.to);
    const auto& wanted = invocation_.exportOptions;
    for (const std::string& option : ExportCommands::optionNames())
      dialog.check(option, std::find(wanted.begin(), wanted.end(), option) != wanted.end());
    if (!invocation_.workbook.empty()) session.events().deliverNextWorkbookTo(invocation_.workbook);
    const std::size_t before = session.desktop().workbooks().size();
    session.execute("export go");
    if (session.desktop().workbooks().size() == before) {
      output_.error("no workbook was written");
      failed_ = true;
    }
    if (session.events().deliveryFailed()) failed_ = true;
  });
}

}  // namespace qh::app
