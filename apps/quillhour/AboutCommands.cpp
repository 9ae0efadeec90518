#include "apps/quillhour/AboutCommands.h"

#include <utility>

namespace qh::app {

void AboutCommands::run(const ParsedCommand& command) {
  static const std::pair<const char*, const char*> kClicks[] = {{"web", "LabelWeb"},
                                                                {"email", "LabelEmail"},
                                                                {"manual", "LabelManual"},
                                                                {"sysinfo", "cmdSysInfo"},
                                                                {"ok", "cmdOK"}};
  const std::string& what = word(command, 1, "web, email, manual, sysinfo or ok");
  noMore(command, 2);
  for (const auto& [name, control] : kClicks) {
    if (what != name) continue;
    Ref<Object> about = desktop().dialog("About Quillhour", "About box (press About Quillhour)");
    about->getObject(control)->call("Click");
    return;
  }
  unknown(command, 1, "web, email, manual, sysinfo, ok");
}

void AboutCommands::print(Desktop& desktop, Output& output) {
  static const std::pair<const char*, const char*> kLabels[] = {
      {"title", "lblTitle"},       {"version", "lblVersion"}, {"description", "lblDescription"},
      {"notice", "lblDisclaimer"}, {"web", "LabelWeb"},       {"email", "LabelEmail"},
      {"manual", "LabelManual"}};
  Ref<Object> about = desktop.dialog("About Quillhour", "About box (press About Quillhour)");
  output.line("about: {}", about->get("Caption").toString());
  for (const auto& [name, label] : kLabels)
    output.line("  {}: {}", name, about->getObject(label)->get("Caption").toString());
}

}  // namespace qh::app
