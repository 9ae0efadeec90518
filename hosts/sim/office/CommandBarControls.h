#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "hosts/sim/office/DeletableObject.h"
#include "hosts/sim/office/EventFailureLog.h"

namespace qh::sim {

class CommandBar;
class CommandBarButton;
class CommandBarComboBox;
class CommandBarControl;

// The controls of one command bar (CommandBar.Controls). Members, as Office's: Item(caption
// or index from 1; also the default member), Count, Add(Type, Id, Parameter, Before,
// Temporary). Add makes buttons (type 1, msoControlButton, the default) and combo boxes
// (type 4, msoControlComboBox); Before is the index the new control takes. Item raises
// "Invalid procedure call or argument" for a control that is not there; captions are matched
// without regard to case.
class CommandBarControls : public DeletableObject {
 public:
  CommandBarControls(CommandBar& bar, std::shared_ptr<EventFailureLog> failures);
  ~CommandBarControls() override;

  // Host side: look-ups for a test or a user; empty when there is no such control.
  Ref<CommandBarControl> find(std::string_view caption) const;
  Ref<CommandBarButton> button(std::string_view caption) const;
  Ref<CommandBarComboBox> comboBox(std::string_view caption) const;
  const std::vector<Ref<CommandBarControl>>& all() const noexcept { return controls_; }
  CommandBar& bar() const noexcept { return *bar_; }

  // Called by a control's Delete.
  void remove(const CommandBarControl& control);
  int indexOf(const CommandBarControl& control) const;

  // Ends with the bar: the controls go too.
  void markDeleted() noexcept override;

 protected:
  Variant dispatchLive(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CommandBarControls>& table();
  Variant item(const Variant& key) const;
  Variant add(const Args& args);

  CommandBar* bar_;  // valid while not deleted: the bar's deletion or end deletes this
  std::shared_ptr<EventFailureLog> failures_;
  std::vector<Ref<CommandBarControl>> controls_;
};

}  // namespace qh::sim
