#include "hosts/sim/office/CommandBarControl.h"

#include <stdexcept>

#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarControls.h"

namespace qh::sim {

CommandBarControl::CommandBarControl(CommandBarControls& owner,
                                     std::shared_ptr<EventFailureLog> failures, Options options)
    : owner_(&owner), failures_(std::move(failures)), options_(std::move(options)) {}

bool CommandBarControl::usable() const noexcept {
  if (isDeleted() || !visible_ || !enabled_) return false;
  const CommandBar& bar = owner_->bar();
  return bar.visible() && bar.enabled();
}

std::unique_ptr<Connection> CommandBarControl::advise(EventSink& sink) {
  return events_.advise(sink);
}

void CommandBarControl::markDeleted() noexcept {
  DeletableObject::markDeleted();
  owner_ = nullptr;
}

void CommandBarControl::requireUsable(std::string_view action) const {
  if (!usable())
    throw std::logic_error("cannot " + std::string(action) + " \"" + caption_ +
                           "\": the control is deleted, hidden or disabled, or its bar is");
}

void CommandBarControl::raiseEvent(std::string_view event, Args& args) {
  try {
    events_.raise(event, args);
  } catch (...) {
    failures_->recordCurrentException(event);
  }
}

void CommandBarControl::deleteFromBar() {
  const Ref<Object> keepAlive(this);  // the bar may hold the last reference
  CommandBarControls* owner = owner_;
  markDeleted();
  owner->remove(*this);
}

const DispatchTable<CommandBarControl>& CommandBarControl::commonTable() {
  using Self = CommandBarControl;
  static const DispatchTable<Self> kTable = [] {
    DispatchTable<Self> t;
    t.get("Caption", [](Self& self, Args&) { return Variant(self.caption_); });
    t.put("Caption", [](Self& self, Args& args) {
      self.caption_ = putValue(args).toString();
      return Variant();
    });
    t.get("TooltipText", [](Self& self, Args&) { return Variant(self.tooltipText_); });
    t.put("TooltipText", [](Self& self, Args& args) {
      self.tooltipText_ = putValue(args).toString();
      return Variant();
    });
    t.get("Tag", [](Self& self, Args&) { return Variant(self.tag_); });
    t.put("Tag", [](Self& self, Args& args) {
      self.tag_ = putValue(args).toString();
      return Variant();
    });
    t.get("OnAction", [](Self& self, Args&) { return Variant(self.onAction_); });
    t.put("OnAction", [](Self& self, Args& args) {
      self.onAction_ = putValue(args).toString();
      return Variant();
    });
    t.get("Parameter", [](Self& self, Args&) { return Variant(self.options_.parameter); });
    t.put("Parameter", [](Self& self, Args& args) {
      self.options_.parameter = putValue(args).toString();
      return Variant();
    });
    t.get("BeginGroup", [](Self& self, Args&) { return Variant(self.beginGroup_); });
    t.put("BeginGroup", [](Self& self, Args& args) {
      self.beginGroup_ = putValue(args).toBool();
      return Variant();
    });
    t.get("Visible", [](Self& self, Args&) { return Variant(self.visible_); });
    t.put("Visible", [](Self& self, Args& args) {
      self.visible_ = putValue(args).toBool();
      return Variant();
    });
    t.get("Enabled", [](Self& self, Args&) { return Variant(self.enabled_); });
    t.put("Enabled", [](Self& self, Args& args) {
      self.enabled_ = putValue(args).toBool();
      return Variant();
    });
    t.get("Style", [](Self& self, Args&) { return Variant(self.style_); });
    t.put("Style", [](Self& self, Args& args) {
      self.style_ = putValue(args).toInt32();
      return Variant();
    });
    t.get("Width", [](Self& self, Args&) { return Variant(self.width_); });
    t.put("Width", [](Self& self, Args& args) {
      self.width_ = putValue(args).toInt32();
      return Variant();
    });
    t.get("Type", [](Self& self, Args&) { return Variant(self.options_.type); });
    t.get("Id", [](Self& self, Args&) { return Variant(self.options_.id); });
    t.get("BuiltIn", [](Self&, Args&) { return Variant(false); });
    t.get("Index", [](Self& self, Args&) { return Variant(self.owner_->indexOf(self)); });
    t.get("Parent",
          [](Self& self, Args&) { return Variant(static_cast<Object*>(&self.owner_->bar())); });
    t.method("Delete", [](Self& self, Args&) {  // Temporary is accepted and has no effect here
      self.deleteFromBar();
      return Variant();
    });
    return t;
  }();
  return kTable;
}

}  // namespace qh::sim
