#include "apps/quillhour/ShowCommands.h"

#include <algorithm>

#include "apps/quillhour/AboutCommands.h"
#include "apps/quillhour/ItemFormat.h"
#include "apps/quillhour/TextFormat.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/AppointmentItem.h"

namespace qh::app {
namespace {

using sim::outlook::AppointmentItem;

// The entries of a list or combo box of a dialog, read by name.
std::vector<std::string> comboEntries(Object& box) {
  std::vector<std::string> entries;
  const int count = box.get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) entries.push_back(box.get("List", i).toString());
  return entries;
}

}  // namespace

void ShowCommands::run(const ParsedCommand& command) {
  if (command.word(0) == "list") return list(command);
  show(command);
}

void ShowCommands::show(const ParsedCommand& command) {
  const std::string& what =
      word(command, 1, "bar, inspector, log, tags, settings, alerts, about or item ID");
  if (what == "item") {
    const std::string& id = word(command, 2, "an EntryID");
    noMore(command, 3);
    for (const std::string& line : itemLines(*desktop().item(id))) output().line("{}", line);
    return;
  }
  noMore(command, 2);
  if (what == "bar") {
    showBar(desktop().explorer().commandBars());
  } else if (what == "inspector") {
    showInspector();
  } else if (what == "log") {
    for (const std::string& line : desktop().host().logLines()) output().line("{}", line);
  } else if (what == "tags") {
    for (const std::string& tag : desktop().tagArray().items) output().line("[{}]", tag);
  } else if (what == "settings") {
    showSettings();
  } else if (what == "alerts") {
    for (const std::string& alert : events_.alerts()) output().line("{}", alert);
  } else if (what == "about") {
    AboutCommands::print(desktop(), output());
  } else {
    unknown(command, 1, "bar, inspector, log, tags, settings, alerts, about, item");
  }
}

void ShowCommands::showSettings() {
  // The dialog's own state, which is what Save would store, not yet the stored list.
  Ref<Object> dialog = desktop().dialog("Quillhour Settings", "settings dialog (press Settings)");
  Ref<Object> list = dialog->getObject("TagList");
  std::vector<std::string> selected;
  const std::vector<std::string> entries = comboEntries(*list);
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (list->get("Selected", static_cast<int>(i)).toBool()) selected.push_back(entries[i]);
  output().line("settings list: {}", quotedList(entries));
  output().line("selected: {}", quotedList(selected));
  output().line("text: {}", inQuotes(dialog->getObject("TagText")->get("Text").toString()));
}

void ShowCommands::showBar(const Ref<Object>& commandBars) {
  Ref<sim::CommandBar> bar = Desktop::quillhourBar(commandBars);
  if (!bar) {
    output().line("bar: none");
    return;
  }
  output().line("bar: {}", bar->visible() ? "visible" : "hidden");
  Ref<sim::CommandBarComboBox> box = bar->controls().comboBox("Tag:");
  output().line("tag box: {}", inQuotes(box ? box->text() : ""));
  output().line("list: {}", quotedList(box ? box->entries() : std::vector<std::string>{}));
}

void ShowCommands::showInspector() {
  sim::outlook::ItemWindow& inspector = desktop().inspector();
  output().line("inspector: {}", inQuotes(inspector.item().value("Subject").toString()));
  showBar(inspector.commandBars());
  sim::CTPFactory* panes = desktop().host().taskPanes();
  const auto shown = panes ? panes->panesOf(inspector) : std::vector<Ref<sim::CustomTaskPane>>{};
  if (shown.empty() || !shown.front()->contentControl()) {
    output().line("pane: none");
    return;
  }
  output().line("pane: {}", shown.front()->visible() ? "visible" : "hidden");
  Ref<Object> box = shown.front()->contentControl()->getObject("TagComboBox");
  output().line("pane tag box: {}", inQuotes(box->get("Text").toString()));
  output().line("pane list: {}", quotedList(comboEntries(*box)));
}

void ShowCommands::list(const ParsedCommand& command) {
  std::optional<Date> from, to;
  for (std::size_t i = 1; i < command.size(); i += 2) {
    const std::string& bound = command.word(i);
    if (bound != "from" && bound != "to") unknown(command, i, "from DATE, to DATE");
    (bound == "from" ? from : to) = date(word(command, i + 1, "a date (YYYY-MM-DD)"));
  }
  list(from, to);
}

void ShowCommands::list(std::optional<Date> from, std::optional<Date> to) {
  std::vector<AppointmentItem*> shown;
  for (const auto& item : desktop().outlook().calendar().items()) {
    auto* appointment = dynamic_cast<AppointmentItem*>(item.get());
    if (!appointment) continue;
    const Date day = appointment->start().dateOnly();
    if ((from && day < *from) || (to && day > *to)) continue;
    shown.push_back(appointment);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const auto* a, const auto* b) { return a->start() < b->start(); });
  for (AppointmentItem* appointment : shown) output().line("{}", listLine(*appointment));
}

}  // namespace qh::app
