#include "apps/quillhour/ShellCompletion.h"

#include <algorithm>

#include "apps/quillhour/ExportCommands.h"

namespace qh::app {
namespace {

using Words = std::vector<std::string>;

const Words kVerbs = {"about", "choose-tag", "explorer", "export",  "folder", "inspector",
                      "list",  "open",       "pane",     "press",   "quit",   "select",
                      "send",  "settings",   "show",     "type-tag"};
const Words kFolders = {"calendar", "inbox", "outbox"};
const Words kButtons = {"New Time", "Export Times", "Settings", "About Quillhour"};

bool is(const Words& words, std::initializer_list<const char*> expected) {
  if (words.size() != expected.size()) return false;
  return std::equal(words.begin(), words.end(), expected.begin());
}

Words exportOptions() {
  return ExportCommands::optionNames();
}

}  // namespace

Words ShellCompletion::wordsAfter(const Words& before) const {
  if (before.empty()) return kVerbs;
  const std::string& verb = before[0];
  const std::size_t n = before.size();
  if (verb == "folder" && n == 1) return kFolders;
  if (verb == "explorer" && n == 1) return {"open", "close"};
  if (is(before, {"explorer", "open"})) return kFolders;
  if (verb == "select") return sources_.entryIds();
  if ((verb == "open" || verb == "send") && n == 1) return sources_.entryIds();
  if (verb == "inspector" && n == 1) return {"set", "choose-tag", "type-tag", "save", "close"};
  if (is(before, {"inspector", "set"}))
    return {"subject", "start", "duration", "body", "categories"};
  if (verb == "pane" && n == 1) return {"choose-tag"};
  if (verb == "export" && n == 1) return {"from", "to", "check", "go", "cancel"};
  if (is(before, {"export", "check"})) return exportOptions();
  if (verb == "export" && n == 3 && before[1] == "check") return {"on", "off"};
  if (verb == "settings" && n == 1)
    return {"type", "enter", "add", "select", "delete", "save", "cancel"};
  if (verb == "about" && n == 1) return {"web", "email", "manual", "sysinfo", "ok"};
  if (verb == "show" && n == 1)
    return {"bar", "inspector", "log", "tags", "settings", "alerts", "about", "item"};
  if (is(before, {"show", "item"})) return sources_.entryIds();
  if (verb == "list" && (n == 1 || n == 3)) return {"from", "to"};
  return {};
}

Words ShellCompletion::restOfLineAfter(const Words& before) const {
  if (is(before, {"press"})) return kButtons;
  if (is(before, {"choose-tag"}) || is(before, {"type-tag"}) ||
      is(before, {"inspector", "choose-tag"}) || is(before, {"inspector", "type-tag"}) ||
      is(before, {"pane", "choose-tag"}) || is(before, {"settings", "select"}))
    return sources_.tags();
  return {};
}

ShellCompletion::Choices ShellCompletion::complete(std::string_view beforeCursor) const {
  // The words before the one being typed, and where each begins.
  Words words;
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < beforeCursor.size();) {
    if (beforeCursor[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(beforeCursor.find(' ', i), beforeCursor.size());
    words.emplace_back(beforeCursor.substr(i, end - i));
    starts.push_back(i);
    i = end;
  }
  const bool midWord = !beforeCursor.empty() && beforeCursor.back() != ' ';
  Choices choices;
  choices.from = midWord ? starts.back() : beforeCursor.size();
  std::string typed = midWord ? words.back() : "";
  if (midWord) words.pop_back();

  Words offered;
  // A text that runs to the end of the line may hold blanks: it starts after its command.
  for (std::size_t head = 1; head <= words.size() && head <= 2; ++head) {
    const Words command(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(head));
    Words rest = restOfLineAfter(command);
    if (rest.empty()) continue;
    offered = std::move(rest);
    choices.from = head < starts.size() ? starts[head] : beforeCursor.size();
    typed = std::string(beforeCursor.substr(choices.from));
    break;
  }
  if (offered.empty()) offered = wordsAfter(words);

  for (const std::string& text : offered)
    if (text.compare(0, typed.size(), typed) == 0) choices.texts.push_back(text);
  std::sort(choices.texts.begin(), choices.texts.end());
  choices.texts.erase(std::unique(choices.texts.begin(), choices.texts.end()), choices.texts.end());
  return choices;
}

std::string commonPrefix(const std::vector<std::string>& texts) {
  if (texts.empty()) return {};
  std::string prefix = texts.front();
  for (const std::string& text : texts) {
    const auto [end, unused] =
        std::mismatch(prefix.begin(), prefix.end(), text.begin(), text.end());
    prefix.erase(end, prefix.end());
  }
  return prefix;
}

}  // namespace qh::app
