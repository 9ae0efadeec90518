#include "apps/quillhour/ExplorerCommands.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "apps/quillhour/AboutCommands.h"
#include "apps/quillhour/Errors.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/outlook/Explorers.h"

namespace qh::app {
namespace {

using sim::outlook::Explorer;
using sim::outlook::Item;

const char* const kButtons[] = {"New Time", "Export Times", "Settings", "About Quillhour"};

std::optional<std::size_t> windowNumber(const std::string& word) {
  std::size_t n = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n);
  if (error != std::errc() || end != word.data() + word.size() || n == 0) return std::nullopt;
  return n;
}

}  // namespace

void ExplorerCommands::run(const ParsedCommand& command) {
  const std::string& verb = command.word(0);
  if (verb == "explorer") return explorer(command);
  if (verb == "folder") {
    const std::string& which = word(command, 1, "a folder (calendar, inbox or outbox)");
    noMore(command, 2);
    desktop().outlook().switchFolder(desktop().explorer(), desktop().folder(which));
    return;
  }
  if (verb == "select") return select(command.wordsFrom(1));
  if (verb == "choose-tag") return chooseTag(command.textFrom(1));
  if (verb == "type-tag") {
    Desktop::tagBox(desktop().explorer().commandBars())->typeText(command.textFrom(1));
    return;
  }
  press(command.textFrom(1));
}

void ExplorerCommands::explorer(const ParsedCommand& command) {
  const std::string& what = word(command, 1, "open, close or a window number");
  if (what == "open") {
    const std::string folder = command.size() > 2 ? command.word(2) : "calendar";
    noMore(command, 3);
    return openExplorer(folder);
  }
  noMore(command, 2);
  if (what == "close") {
    desktop().outlook().closeExplorer(desktop().explorer());
    return;
  }
  const auto& windows = desktop().outlook().application().explorers().windows();
  const auto n = windowNumber(what);
  if (!n) unknown(command, 1, "open, close, or a window number from 1");
  if (*n > windows.size())
    throw CommandError(fmt::format("there is no explorer {} ({} open)", *n, windows.size()));
  Explorer& chosen = *windows[*n - 1];
  desktop().makeCurrent(chosen);
  desktop().outlook().activate(chosen);
  reportCurrent();
}

void ExplorerCommands::openExplorer(const std::string& folder) {
  auto& target = desktop().folder(folder);
  Ref<Explorer> opened = desktop().outlook().openExplorer(target);
  desktop().makeCurrent(*opened);
  reportCurrent();
}

void ExplorerCommands::reportCurrent() {
  const auto& windows = desktop().outlook().application().explorers().windows();
  Explorer& current = desktop().explorer();
  for (std::size_t i = 0; i < windows.size(); ++i)
    if (windows[i].get() == &current)
      output().line("explorer {}: {}", i + 1, current.currentFolder().name());
}

void ExplorerCommands::select(const std::vector<std::string>& entryIds) {
  Explorer& explorer = desktop().explorer();
  std::vector<Ref<Item>> items;
  for (const std::string& id : entryIds) {
    Ref<Item> item = desktop().item(id);
    if (item->folder() != &explorer.currentFolder())
      throw CommandError(fmt::format("\"{}\" is not in the folder the explorer shows ({})", id,
                                     explorer.currentFolder().name()));
    items.push_back(std::move(item));
  }
  desktop().outlook().select(explorer, std::move(items));
}

void ExplorerCommands::chooseTag(const std::string& tag) {
  auto box = Desktop::tagBox(desktop().explorer().commandBars());
  const auto& entries = box->entries();
  if (std::find(entries.begin(), entries.end(), tag) == entries.end())
    throw CommandError(fmt::format("\"{}\" is not in the tag list of the \"Tag:\" box", tag));
  box->choose(tag);
}

std::vector<std::string> ExplorerCommands::tagChoices() {
  return Desktop::tagBox(desktop().explorer().commandBars())->entries();
}

void ExplorerCommands::press(const std::string& caption) {
  if (std::find(std::begin(kButtons), std::end(kButtons), caption) == std::end(kButtons))
    throw CommandError(fmt::format(
        "\"{}\" is not one of: New Time, Export Times, Settings, About Quillhour", caption));
  Ref<sim::CommandBar> bar = Desktop::quillhourBar(desktop().explorer().commandBars());
  Ref<sim::CommandBarButton> button = bar ? bar->controls().button(caption) : nullptr;
  if (!button) throw CommandError(fmt::format("the explorer has no \"{}\" button", caption));
  button->click();
  // The About box is all text: the user reads it at once.
  if (caption != "About Quillhour") return;
  Ref<Object> about = desktop().system().forms().find("About Quillhour");
  if (about && about->get("Visible").toBool()) AboutCommands::print(desktop(), output());
}

}  // namespace qh::app
