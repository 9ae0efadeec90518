#pragma once

#include <memory>
#include <string>

#include "hosts/sim/office/DeletableObject.h"
#include "hosts/sim/office/EventFailureLog.h"

namespace qh::sim {

class CommandBars;
class CommandBarControls;

// One command bar of a window. Members, as Office's: Name, Position, Protection, Visible,
// Enabled, Temporary (read-only, as given to Add), Type, Index, Parent, Controls, Delete.
// A new bar is hidden until Visible is set, as in Office. Protection only restricts what the
// user may do, so the add-in's own writes still take effect under it.
class CommandBar : public DeletableObject {
 public:
  // What CommandBars.Add was given (or its defaults).
  struct Options {
    std::string name;
    int position = 0;
    bool menuBar = false;
    bool temporary = false;
  };

  CommandBar(CommandBars& owner, std::shared_ptr<EventFailureLog> failures, Options options);
  // Controls still referenced elsewhere are left deleted with their bar.
  ~CommandBar() override;

  // Host side: the bar's state as a test inspects it.
  const std::string& name() const noexcept { return options_.name; }
  int position() const noexcept { return options_.position; }
  bool menuBar() const noexcept { return options_.menuBar; }
  bool temporary() const noexcept { return options_.temporary; }
  int protection() const noexcept { return protection_; }
  bool visible() const noexcept { return visible_; }
  bool enabled() const noexcept { return enabled_; }
  CommandBarControls& controls() const noexcept { return *controls_; }

  // Deleting the bar deletes its controls, as in Office.
  void markDeleted() noexcept override;

 protected:
  Variant dispatchLive(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CommandBar>& table();
  void deleteFromCollection();

  CommandBars* owner_;  // valid while the bar is not deleted: its end deletes the bar
  Options options_;
  int protection_ = 0;  // msoBarNoProtection
  bool visible_ = false;
  bool enabled_ = true;
  Ref<CommandBarControls> controls_;
};

}  // namespace qh::sim
