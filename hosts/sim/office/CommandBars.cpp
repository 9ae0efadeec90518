#include "hosts/sim/office/CommandBars.h"

#include <algorithm>

#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {
namespace {

constexpr int kBarPositionMin = 0;       // msoBarLeft
constexpr int kBarPositionFloating = 4;  // msoBarFloating, where a new bar appears by default
constexpr int kBarPositionMax = 6;       // msoBarMenuBar

}  // namespace

CommandBars::CommandBars(std::shared_ptr<EventFailureLog> failures)
    : failures_(std::move(failures)) {}

CommandBars::~CommandBars() {
  for (auto& bar : bars_) bar->markDeleted();
}

const DispatchTable<CommandBars>& CommandBars::table() {
  static const DispatchTable<CommandBars> kTable = [] {
    DispatchTable<CommandBars> t;
    auto item = [](CommandBars& self, Args& args) { return self.item(requiredArg(args, 0)); };
    t.method("Item", item);
    t.method("", item);
    t.method("Add", [](CommandBars& self, Args& args) { return self.add(args); });
    t.get("Count",
          [](CommandBars& self, Args&) { return Variant(static_cast<int>(self.bars_.size())); });
    return t;
  }();
  return kTable;
}

Ref<CommandBar> CommandBars::find(std::string_view name) const {
  auto it = std::find_if(bars_.begin(), bars_.end(),
                         [&](const auto& bar) { return memberNameEquals(bar->name(), name); });
  return it == bars_.end() ? nullptr : *it;
}

void CommandBars::remove(const CommandBar& bar) {
  std::erase_if(bars_, [&](const auto& b) { return b.get() == &bar; });
}

int CommandBars::indexOf(const CommandBar& bar) const {
  auto it =
      std::find_if(bars_.begin(), bars_.end(), [&](const auto& b) { return b.get() == &bar; });
  return it == bars_.end() ? 0 : static_cast<int>(it - bars_.begin()) + 1;
}

Variant CommandBars::item(const Variant& key) const {
  if (key.isString()) {
    if (Ref<CommandBar> bar = find(key.asString())) return Variant(Ref<Object>(bar));
    throw office_errors::invalidArgument();
  }
  const int index = key.toInt32();
  if (index < 1 || index > static_cast<int>(bars_.size())) throw office_errors::invalidArgument();
  return Variant(Ref<Object>(bars_[static_cast<size_t>(index - 1)]));
}

Variant CommandBars::add(const Args& args) {
  CommandBar::Options options;
  options.name = argPresent(args, 0) ? args[0].toString() : nextCustomName();
  options.position = argPresent(args, 1) ? args[1].toInt32() : kBarPositionFloating;
  options.menuBar = argPresent(args, 2) && args[2].toBool();
  options.temporary = argPresent(args, 3) && args[3].toBool();
  if (options.position < kBarPositionMin || options.position > kBarPositionMax)
    throw office_errors::invalidArgument();
  if (find(options.name)) throw office_errors::invalidArgument();
  auto bar = makeRef<CommandBar>(*this, failures_, std::move(options));
  bars_.push_back(bar);
  return Variant(Ref<Object>(bar));
}

// Office names an unnamed bar "Custom 1", "Custom 2", ... skipping names in use.
std::string CommandBars::nextCustomName() {
  std::string name;
  do {
    name = "Custom " + std::to_string(++customNames_);
  } while (find(name));
  return name;
}

Ref<CommandBars> makeCommandBars(std::shared_ptr<EventFailureLog> failures) {
  if (!failures) failures = std::make_shared<EventFailureLog>();
  return makeRef<CommandBars>(std::move(failures));
}

}  // namespace qh::sim
