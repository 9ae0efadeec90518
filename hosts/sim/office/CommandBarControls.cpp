#include "hosts/sim/office/CommandBarControls.h"

#include <algorithm>

#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarComboBox.h"
#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {
namespace {

constexpr int kControlButton = 1;    // msoControlButton
constexpr int kControlComboBox = 4;  // msoControlComboBox

}  // namespace

CommandBarControls::CommandBarControls(CommandBar& bar, std::shared_ptr<EventFailureLog> failures)
    : bar_(&bar), failures_(std::move(failures)) {}

CommandBarControls::~CommandBarControls() {
  markDeleted();
}

void CommandBarControls::markDeleted() noexcept {
  DeletableObject::markDeleted();
  bar_ = nullptr;
  for (auto& control : controls_) control->markDeleted();
}

Variant CommandBarControls::dispatchLive(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

const DispatchTable<CommandBarControls>& CommandBarControls::table() {
  static const DispatchTable<CommandBarControls> kTable = [] {
    DispatchTable<CommandBarControls> t;
    auto item = [](CommandBarControls& self, Args& args) {
      return self.item(requiredArg(args, 0));
    };
    t.method("Item", item);
    t.method("", item);
    t.method("Add", [](CommandBarControls& self, Args& args) { return self.add(args); });
    t.get("Count", [](CommandBarControls& self, Args&) {
      return Variant(static_cast<int>(self.controls_.size()));
    });
    t.get("Parent",
          [](CommandBarControls& self, Args&) { return Variant(static_cast<Object*>(self.bar_)); });
    return t;
  }();
  return kTable;
}

Ref<CommandBarControl> CommandBarControls::find(std::string_view caption) const {
  auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) {
    return memberNameEquals(control->caption(), caption);
  });
  return it == controls_.end() ? nullptr : *it;
}

Ref<CommandBarButton> CommandBarControls::button(std::string_view caption) const {
  return Ref<CommandBarButton>(dynamic_cast<CommandBarButton*>(find(caption).get()));
}

Ref<CommandBarComboBox> CommandBarControls::comboBox(std::string_view caption) const {
  return Ref<CommandBarComboBox>(dynamic_cast<CommandBarComboBox*>(find(caption).get()));
}

void CommandBarControls::remove(const CommandBarControl& control) {
  std::erase_if(controls_, [&](const auto& c) { return c.get() == &control; });
}

int CommandBarControls::indexOf(const CommandBarControl& control) const {
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [&](const auto& c) { return c.get() == &control; });
  return it == controls_.end() ? 0 : static_cast<int>(it - controls_.begin()) + 1;
}

Variant CommandBarControls::item(const Variant& key) const {
  if (key.isString()) {
    if (Ref<CommandBarControl> control = find(key.asString())) return Variant(Ref<Object>(control));
    throw office_errors::invalidArgument();
  }
  const int index = key.toInt32();
  if (index < 1 || index > static_cast<int>(controls_.size()))
    throw office_errors::invalidArgument();
  return Variant(Ref<Object>(controls_[static_cast<size_t>(index - 1)]));
}

Variant CommandBarControls::add(const Args& args) {
  CommandBarControl::Options options;
  options.type = argPresent(args, 0) ? args[0].toInt32() : kControlButton;
  options.id = argPresent(args, 1) ? args[1].toInt32() : 1;  // 1: a custom control
  options.parameter = argPresent(args, 2) ? args[2].toString() : "";
  options.temporary = argPresent(args, 4) && args[4].toBool();
  const int count = static_cast<int>(controls_.size());
  const int before = argPresent(args, 3) ? args[3].toInt32() : count + 1;
  if (before < 1 || before > count + 1) throw office_errors::invalidArgument();

  Ref<CommandBarControl> control;
  if (options.type == kControlButton)
    control = makeRef<CommandBarButton>(*this, failures_, std::move(options));
  else if (options.type == kControlComboBox)
    control = makeRef<CommandBarComboBox>(*this, failures_, std::move(options));
  else
    throw office_errors::invalidArgument();  // other kinds are not simulated
  controls_.insert(controls_.begin() + (before - 1), control);
  return Variant(Ref<Object>(control));
}

}  // namespace qh::sim
