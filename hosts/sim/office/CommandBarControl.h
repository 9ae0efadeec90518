#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "automation/Events.h"
#include "hosts/sim/office/DeletableObject.h"
#include "hosts/sim/office/EventFailureLog.h"

namespace qh::sim {

class CommandBarControls;

// What every command-bar control shares, as Office's CommandBarControl: BeginGroup, Caption,
// TooltipText, Style, Enabled, Visible, Tag, OnAction, Parameter, Width, Type, Id, Index,
// Parent, BuiltIn and Delete(Temporary), which takes the control off its bar. New controls
// are visible and enabled. Buttons and combo boxes add their own members and events.
class CommandBarControl : public DeletableObject {
 public:
  // What Controls.Add was given (or its defaults).
  struct Options {
    int type = 0;
    int id = 0;
    std::string parameter;
    bool temporary = false;
  };

  CommandBarControl(CommandBarControls& owner, std::shared_ptr<EventFailureLog> failures,
                    Options options);

  // Host side: the state a test inspects.
  int type() const noexcept { return options_.type; }
  int id() const noexcept { return options_.id; }
  bool temporary() const noexcept { return options_.temporary; }
  const std::string& caption() const noexcept { return caption_; }
  bool beginGroup() const noexcept { return beginGroup_; }
  const std::string& tooltipText() const noexcept { return tooltipText_; }
  int style() const noexcept { return style_; }
  bool visible() const noexcept { return visible_; }
  bool enabled() const noexcept { return enabled_; }
  int width() const noexcept { return width_; }
  // Whether a user could reach the control now: not deleted, shown and enabled on a bar
  // that is shown and enabled.
  bool usable() const noexcept;

  std::unique_ptr<Connection> advise(EventSink& sink) override;
  void markDeleted() noexcept override;

 protected:
  // Dispatches to the subclass's own members first, then to the shared ones.
  template <class T>
  Variant dispatchWith(const DispatchTable<T>& own, T& self, std::string_view name, CallKind kind,
                       Args& args) {
    if (auto r = own.tryInvoke(self, name, kind, args)) return std::move(*r);
    return commonTable().invoke(*this, name, kind, args);
  }

  // Host actions model a user, who can reach only a usable control; anything else is a
  // mistake of the test or script driving the host, reported as std::logic_error.
  void requireUsable(std::string_view action) const;
  // Raises an event to every sink. A failure a handler returns goes to the failure log, as
  // Office swallows it, and the other sinks still get the event.
  void raiseEvent(std::string_view event, Args& args);

 private:
  static const DispatchTable<CommandBarControl>& commonTable();
  void deleteFromBar();

  CommandBarControls* owner_;  // valid while not deleted: its deletion or end deletes this
  std::shared_ptr<EventFailureLog> failures_;
  Options options_;
  EventSource events_;
  std::string caption_;
  std::string tooltipText_;
  std::string tag_;
  std::string onAction_;
  bool beginGroup_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  int style_ = 0;  // msoButtonAutomatic / msoComboNormal
  int width_ = 0;
};

}  // namespace qh::sim
