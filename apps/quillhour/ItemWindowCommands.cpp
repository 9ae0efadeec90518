#include "apps/quillhour/ItemWindowCommands.h"

#include <fmt/format.h>

#include <charconv>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Errors.h"
#include "hosts/sim/office/CustomTaskPane.h"

namespace qh::app {
namespace {

using sim::outlook::Item;
using sim::outlook::ItemWindow;

Variant fieldValue(const std::string& field, const std::string& text) {
  if (field == "start") {
    if (auto d = parseDateTime(text)) return Variant(*d);
    throw CommandError(fmt::format("\"{}\" is not a start (YYYY-MM-DD HH:MM)", text));
  }
  if (field == "duration") {
    int minutes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    if (error != std::errc() || end != text.data() + text.size() || minutes < 0)
      throw CommandError(fmt::format("\"{}\" is not a duration in minutes", text));
    return Variant(minutes);
  }
  return Variant(text);
}

const char* fieldName(const std::string& field) {
  if (field == "subject") return "Subject";
  if (field == "start") return "Start";
  if (field == "duration") return "Duration";
  if (field == "body") return "Body";
  if (field == "categories") return "Categories";
  return nullptr;
}

}  // namespace

void ItemWindowCommands::run(const ParsedCommand& command) {
  const std::string& verb = command.word(0);
  if (verb == "open") {
    const std::string& id = word(command, 1, "an EntryID");
    noMore(command, 2);
    Ref<Item> item = desktop().item(id);
    desktop().makeCurrent(*desktop().outlook().openInspector(*item));
    return;
  }
  if (verb == "inspector") return inspector(command);
  if (verb == "send") return send(command);
  if (word(command, 1, "choose-tag TEXT") != "choose-tag") unknown(command, 1, "choose-tag");
  paneChooseTag(command.textFrom(2));
}

void ItemWindowCommands::inspector(const ParsedCommand& command) {
  const std::string& what = word(command, 1, "set, choose-tag, type-tag, save or close");
  ItemWindow& window = desktop().inspector();
  if (what == "set") return set(command);
  if (what == "choose-tag") {
    Desktop::tagBox(window.commandBars())->choose(command.textFrom(2));
  } else if (what == "type-tag") {
    Desktop::tagBox(window.commandBars())->typeText(command.textFrom(2));
  } else if (what == "save") {
    noMore(command, 2);
    window.item().save();
  } else if (what == "close") {
    noMore(command, 2);
    desktop().outlook().closeInspector(window);
  } else {
    unknown(command, 1, "set, choose-tag, type-tag, save, close");
  }
}

void ItemWindowCommands::set(const ParsedCommand& command) {
  const std::string& field =
      word(command, 2, "a field (subject, start, duration, body, categories)");
  const char* name = fieldName(field);
  if (!name) unknown(command, 2, "subject, start, duration, body, categories");
  desktop().inspector().item().put(name, fieldValue(field, command.textFrom(3)));
}

void ItemWindowCommands::paneChooseTag(const std::string& tag) {
  sim::CTPFactory* panes = desktop().host().taskPanes();
  if (!panes) throw CommandError("this Outlook has no task panes");
  const auto shown = panes->panesOf(desktop().inspector());
  if (shown.empty() || !shown.front()->contentControl())
    throw CommandError("the inspector has no task pane");
  Ref<Object> box = shown.front()->contentControl()->getObject("TagComboBox");
  const int count = box->get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) {
    if (box->get("List", i).toString() == tag) {
      box->call("Choose", i);
      return;
    }
  }
  throw CommandError(fmt::format("\"{}\" is not in the list of the pane's \"Tag:\" box", tag));
}

void ItemWindowCommands::send(const ParsedCommand& command) {
  const std::string& id = word(command, 1, "an EntryID");
  noMore(command, 2);
  const bool sent = desktop().outlook().send(*desktop().item(id));
  output().line("{}: {}", sent ? "sent" : "not sent", id);
}

}  // namespace qh::app
