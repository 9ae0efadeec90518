#include "hosts/sim/office/CustomTaskPane.h"

#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {
namespace {

// MsoCTPDockPosition
constexpr int kDockLeft = 0;
constexpr int kDockTop = 1;
constexpr int kDockRight = 2;
constexpr int kDockBottom = 3;
constexpr int kDockFloating = 4;
// MsoCTPDockPositionRestrict
constexpr int kRestrictNone = 0;
constexpr int kRestrictNoVertical = 3;

constexpr const char* kInterfaceName = "_CustomTaskPane";

}  // namespace

CustomTaskPane::CustomTaskPane(CTPFactory& factory, Setup setup)
    : factory_(&factory),
      setup_(std::move(setup)),
      dockPosition_(kDockRight),
      dockPositionRestrict_(kRestrictNone) {}

void CustomTaskPane::markDeleted() noexcept {
  if (isDeleted()) return;
  DeletableObject::markDeleted();
  factory_ = nullptr;
  // Move the references out first: ending the control may reach back into this pane.
  Ref<Object> content = std::move(setup_.contentControl);
  Ref<Object> window = std::move(setup_.window);
}

Variant CustomTaskPane::dispatchLive(std::string_view name, CallKind kind, Args& args) {
  Variant result = table().invoke(*this, name, kind, args);
  if (kind == CallKind::Put) writes_.push_back({std::string(name), putValue(args)});
  return result;
}

const DispatchTable<CustomTaskPane>& CustomTaskPane::table() {
  using Self = CustomTaskPane;
  static const DispatchTable<Self> kTable = [] {
    DispatchTable<Self> t;
    auto title = [](Self& self, Args&) { return Variant(self.setup_.title); };
    t.get("Title", title);
    t.get("", title);
    t.get("Application", [](Self& self, Args&) { return Variant(self.factory_->application()); });
    t.get("Window", [](Self& self, Args&) { return Variant(self.setup_.window); });
    t.get("ContentControl", [](Self& self, Args&) { return Variant(self.setup_.contentControl); });
    t.get("Visible", [](Self& self, Args&) { return Variant(self.visible_); });
    t.put("Visible", [](Self& self, Args& args) {
      self.visible_ = putValue(args).toBool();
      return Variant();
    });
    t.get("DockPosition", [](Self& self, Args&) { return Variant(self.dockPosition_); });
    t.put("DockPosition", [](Self& self, Args& args) {
      self.setDockPosition(putValue(args).toInt32());
      return Variant();
    });
    t.get("DockPositionRestrict",
          [](Self& self, Args&) { return Variant(self.dockPositionRestrict_); });
    t.put("DockPositionRestrict", [](Self& self, Args& args) {
      const int restrict = putValue(args).toInt32();
      if (restrict < kRestrictNone || restrict > kRestrictNoVertical)
        throw office_errors::invalidArgument();
      self.dockPositionRestrict_ = restrict;
      return Variant();
    });
    t.get("Height", [](Self& self, Args&) { return Variant(self.height_); });
    t.put("Height", [](Self& self, Args& args) {
      self.setHeight(putValue(args).toInt32());
      return Variant();
    });
    t.get("Width", [](Self& self, Args&) { return Variant(self.width_); });
    t.put("Width", [](Self& self, Args& args) {
      self.setWidth(putValue(args).toInt32());
      return Variant();
    });
    t.method("Delete", [](Self& self, Args&) {
      self.deleteFromFactory();
      return Variant();
    });
    return t;
  }();
  return kTable;
}

void CustomTaskPane::setDockPosition(int position) {
  if (position < kDockLeft || position > kDockFloating) throw office_errors::invalidArgument();
  dockPosition_ = position;
}

// A pane docked at a side takes the window's height.
void CustomTaskPane::setHeight(int height) {
  if (dockPosition_ == kDockLeft || dockPosition_ == kDockRight)
    throw office_errors::methodFailed("Height", kInterfaceName);
  height_ = height;
}

// A pane docked at the top or bottom takes the window's width.
void CustomTaskPane::setWidth(int width) {
  if (dockPosition_ == kDockTop || dockPosition_ == kDockBottom)
    throw office_errors::methodFailed("Width", kInterfaceName);
  width_ = width;
}

void CustomTaskPane::deleteFromFactory() {
  const Ref<Object> keepAlive(this);  // the factory may hold the last reference
  CTPFactory* factory = factory_;
  markDeleted();
  factory->remove(*this);
}

}  // namespace qh::sim
