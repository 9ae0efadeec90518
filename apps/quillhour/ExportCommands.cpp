#include "apps/quillhour/ExportCommands.h"

#include <fmt/format.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Errors.h"
#include "apps/quillhour/ProgressTicker.h"

namespace qh::app {
namespace {

using Option = std::pair<std::string, const char*>;

const std::vector<Option>& options() {
  static const std::vector<Option> kOptions = {
      {"all-day", "CheckAllDayEvents"},      {"untagged", "CheckNonTaggedItems"},
      {"recurring", "CheckRecurringEvents"}, {"exported", "CheckExportedItems"},
      {"minutes", "CheckExportInMinutes"},   {"description", "CheckDescription"},
      {"mark", "CheckMarkExported"},         {"delete", "CheckDeleteAfter"},
      {"diagram", "CheckCreateDiagram"}};
  return kOptions;
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& name : names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

// The log's lines in after that were not there in before. The window keeps only its newest
// lines, so what before and after share is a tail of before that begins after.
std::vector<std::string> newLines(const std::vector<std::string>& before,
                                  const std::vector<std::string>& after) {
  for (std::size_t shared = std::min(before.size(), after.size()); shared > 0; --shared)
    if (std::equal(before.end() - static_cast<std::ptrdiff_t>(shared), before.end(), after.begin()))
      return {after.begin() + static_cast<std::ptrdiff_t>(shared), after.end()};
  return after;
}

}  // namespace

const std::vector<std::string>& ExportCommands::optionNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> names;
    for (const auto& [name, control] : options()) names.push_back(name);
    return names;
  }();
  return kNames;
}

void ExportCommands::run(const ParsedCommand& command) {
  const std::string& what = word(command, 1, "from, to, check, go or cancel");
  if (what == "from" || what == "to") {
    const Date day = date(word(command, 2, "a date (YYYY-MM-DD)"));
    noMore(command, 3);
    return pickDate(what == "from" ? "StartDate" : "EndDate", day);
  }
  if (what == "check") {
    const std::string& option = word(command, 2, "an option");
    return check(option, onOff(command, 3));
  }
  noMore(command, 2);
  if (what == "go") return go();
  if (what == "cancel") {
    dialog()->getObject("CancelButton")->call("Click");
    return;
  }
  unknown(command, 1, "from, to, check, go, cancel");
}

Ref<Object> ExportCommands::dialog() {
  return desktop().dialog("Quillhour Export", "export dialog (press Export Times)");
}

void ExportCommands::pickDate(const char* picker, Date date) {
  Ref<Object> control = dialog()->getObject(picker);
  const Date first = control->get("MinDate").toDate();
  const Date last = control->get("MaxDate").toDate();
  if (date < first.dateOnly() || date > last)
    throw CommandError(
        fmt::format("the dialog's dates run from {} to {}", formatDate(first), formatDate(last)));
  control->call("Pick", date);
}

void ExportCommands::check(const std::string& option, bool on) {
  for (const auto& [name, control] : options()) {
    if (name != option) continue;
    dialog()->getObject(control)->put("Value", Variant(on ? 1 : 0));
    return;
  }
  throw CommandError(fmt::format("\"{}\" is not one of: {}", option, joined(optionNames())));
}

void ExportCommands::go() {
  Ref<Object> button = dialog()->getObject("ExportButton");
  const std::vector<std::string> before = desktop().host().logLines();
  {
    ProgressTicker ticker(output().err(), "exporting");
    button->call("Click");
  }
  // A step of the run that failed is in the add-in's log only; the user hears of it here, as
  // the workbook and the calendar show its consequences (a cell left empty, a Time not
  // marked).
  constexpr std::string_view kRunTag = "ExportButton_Click:";
  for (const std::string& line : newLines(before, desktop().host().logLines())) {
    const std::size_t at = line.find(kRunTag);
    if (at != std::string::npos)
      output().error("export step failed: {}", line.substr(at + kRunTag.size()));
  }
}

}  // namespace qh::app
