#include "hosts/sim/office/CommandBar.h"

#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::sim {
namespace {

constexpr int kBarTypeNormal = 0;   // msoBarTypeNormal
constexpr int kBarTypeMenuBar = 1;  // msoBarTypeMenuBar

}  // namespace

CommandBar::CommandBar(CommandBars& owner, std::shared_ptr<EventFailureLog> failures,
                       Options options)
    : owner_(&owner),
      options_(std::move(options)),
      controls_(makeRef<CommandBarControls>(*this, std::move(failures))) {}

CommandBar::~CommandBar() {
  controls_->markDeleted();
}

void CommandBar::markDeleted() noexcept {
  DeletableObject::markDeleted();
  owner_ = nullptr;
  controls_->markDeleted();
}

Variant CommandBar::dispatchLive(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

const DispatchTable<CommandBar>& CommandBar::table() {
  static const DispatchTable<CommandBar> kTable = [] {
    DispatchTable<CommandBar> t;
    t.get("Name", [](CommandBar& self, Args&) { return Variant(self.options_.name); });
    t.put("Name", [](CommandBar& self, Args& args) {
      self.options_.name = putValue(args).toString();
      return Variant();
    });
    t.get("Position", [](CommandBar& self, Args&) { return Variant(self.options_.position); });
    t.put("Position", [](CommandBar& self, Args& args) {
      self.options_.position = putValue(args).toInt32();
      return Variant();
    });
    t.get("Protection", [](CommandBar& self, Args&) { return Variant(self.protection_); });
    t.put("Protection", [](CommandBar& self, Args& args) {
      self.protection_ = putValue(args).toInt32();
      return Variant();
    });
    t.get("Visible", [](CommandBar& self, Args&) { return Variant(self.visible_); });
    t.put("Visible", [](CommandBar& self, Args& args) {
      self.visible_ = putValue(args).toBool();
      return Variant();
    });
    t.get("Enabled", [](CommandBar& self, Args&) { return Variant(self.enabled_); });
    t.put("Enabled", [](CommandBar& self, Args& args) {
      self.enabled_ = putValue(args).toBool();
      return Variant();
    });
    t.get("Temporary", [](CommandBar& self, Args&) { return Variant(self.options_.temporary); });
    t.get("Type", [](CommandBar& self, Args&) {
      return Variant(self.options_.menuBar ? kBarTypeMenuBar : kBarTypeNormal);
    });
    t.get("BuiltIn", [](CommandBar&, Args&) { return Variant(false); });
    t.get("Index", [](CommandBar& self, Args&) { return Variant(self.owner_->indexOf(self)); });
    t.get("Parent",
          [](CommandBar& self, Args&) { return Variant(static_cast<Object*>(self.owner_)); });
    t.get("Controls", [](CommandBar& self, Args&) { return Variant(Ref<Object>(self.controls_)); });
    t.method("Delete", [](CommandBar& self, Args&) {
      self.deleteFromCollection();
      return Variant();
    });
    return t;
  }();
  return kTable;
}

void CommandBar::deleteFromCollection() {
  const Ref<Object> keepAlive(this);  // the collection may hold the last reference
  CommandBars* owner = owner_;
  markDeleted();
  owner->remove(*this);
}

}  // namespace qh::sim
