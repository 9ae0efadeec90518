#include "apps/quillhour/SettingsCommands.h"

#include <fmt/format.h>

#include <algorithm>

#include "apps/quillhour/Errors.h"

namespace qh::app {
namespace {

constexpr int kEnterKey = 13;

// "A; B" or "A;B": the texts between the semicolons, without the blanks around them.
std::vector<std::string> splitTexts(const std::string& text) {
  std::vector<std::string> texts;
  std::size_t from = 0;
  while (true) {
    const std::size_t to = std::min(text.find(';', from), text.size());
    std::string piece = text.substr(from, to - from);
    piece.erase(0, piece.find_first_not_of(' '));
    piece.erase(piece.find_last_not_of(' ') + 1);
    texts.push_back(std::move(piece));
    if (to == text.size()) return texts;
    from = to + 1;
  }
}

}  // namespace

void SettingsCommands::run(const ParsedCommand& command) {
  const std::string& what = word(command, 1, "type, enter, add, select, delete, save or cancel");
  if (what == "type") return type(command.textFrom(2));
  if (what == "select") return select(splitTexts(command.textFrom(2)));
  noMore(command, 2);
  if (what == "enter") {
    dialog()->getObject("TagText")->call("KeyUp", kEnterKey);
  } else if (what == "add") {
    click("AddButton");
  } else if (what == "delete") {
    click("DeleteButton");
  } else if (what == "save") {
    click("Save");
  } else if (what == "cancel") {
    click("CancelButton");
  } else {
    unknown(command, 1, "type, enter, add, select, delete, save, cancel");
  }
}

Ref<Object> SettingsCommands::dialog() {
  return desktop().dialog("Quillhour Settings", "settings dialog (press Settings)");
}

std::vector<std::string> SettingsCommands::entries() {
  Ref<Object> list = dialog()->getObject("TagList");
  std::vector<std::string> texts;
  const int count = list->get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) texts.push_back(list->get("List", i).toString());
  return texts;
}

void SettingsCommands::type(const std::string& text) {
  Ref<Object> box = dialog()->getObject("TagText");
  box->call("SetFocus");
  box->call("Type", text);
}

void SettingsCommands::select(const std::vector<std::string>& texts) {
  const std::vector<std::string> list = entries();
  for (const std::string& text : texts)
    if (std::find(list.begin(), list.end(), text) == list.end())
      throw CommandError(fmt::format("the settings list has no entry \"{}\"", text));
  Ref<Object> box = dialog()->getObject("TagList");
  for (std::size_t i = 0; i < list.size(); ++i) {
    const bool chosen = std::find(texts.begin(), texts.end(), list[i]) != texts.end();
    Args args{Variant(static_cast<int>(i)), Variant(chosen)};
    box->invoke("Selected", CallKind::Put, args);
  }
}

void SettingsCommands::click(const char* button) {
  dialog()->getObject(button)->call("Click");
}

}  // namespace qh::app
