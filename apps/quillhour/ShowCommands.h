#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apps/quillhour/CommandGroup.h"
#include "apps/quillhour/SessionEvents.h"

namespace qh::app {

// What the user can look at.
//   show bar        bar: visible|hidden|none, then tag box: "TEXT" and list: ["A", "B"]
//   show inspector  the current inspector's item, its bar's box and its pane's box
//   show log        the log window's lines, oldest first
//   show tags       each element of the add-in's TagArray as [element]
//   show settings   the open settings dialog: its list, the selected entries, the typed text
//   show alerts     every alert, message box and save prompt so far as title: text
//   show about      the open About box: title, version, description, notice and links
//   show item ID    the item's fields
//   list [from DATE] [to DATE]   the calendar, by start: EntryID, start, minutes,
//                                categories and subject, separated by tabs
class ShowCommands : public CommandGroup {
 public:
  ShowCommands(Desktop& desktop, Output& output, const SessionEvents& events)
      : CommandGroup(desktop, output), events_(events) {}

  std::vector<std::string> verbs() const override { return {"show", "list"}; }
  void run(const ParsedCommand& command) override;

  void list(std::optional<Date> from, std::optional<Date> to);

 private:
  void show(const ParsedCommand& command);
  void showBar(const Ref<Object>& commandBars);
  void showInspector();
  void showSettings();
  void list(const ParsedCommand& command);

  const SessionEvents& events_;
};

}  // namespace qh::app
