#include "hosts/sim/outlook/ItemWindows.h"

#include <algorithm>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
Ref<ItemWindow> ItemWindows::open(Item& item) {
  if (Ref<ItemWindow> existing = showing(item)) {
    existing->activate();
    return existing;
  }
  auto inspector = makeRef<ItemWindow>(app_, item);
  windows_.push_back(inspector);
  announce(*inspector);
  return inspector;
}

void ItemWindows::announce(ItemWindow& inspector) {
  Application* app = app_.get();
  Args args{Variant(Ref<Object>(&inspector))};
  fireEvent(app ? &app->failures() : nullptr, events_, "NewInspector", args);
}

Ref<ItemWindow> ItemWindows::showing(const Item& item) const {
  for (const Ref<ItemWindow>& w : windows_)
    if (&w->item() == &item) return w;
  return nullptr;
}

void ItemWindows::closeShowing(const Item& item) {
  const std::vector<Ref<ItemWindow>> snapshot = windows_;
  for (const Ref<ItemWindow>& w : snapshot)
    if (&w->item() == &item) w->closeWindow();
}

void ItemWindows::remove(ItemWindow& inspector) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const auto& w) { return w.get() == &inspector; });
  if (it == windows_.end()) return;
  Ref<ItemWindow> keepAlive = *it;
  windows_.erase(it);
}

const DispatchTable<ItemWindows>& ItemWindows::table() {
  static const DispatchTable<ItemWindows> t = [] {
    DispatchTable<ItemWindows> d;
    d.get("Count",
          [](ItemWindows& c, Args&) { return Variant(static_cast<int>(c.windows_.size())); });
    d.method("Item", [](ItemWindows& c, Args& a) {
      return Variant(Ref<Object>(c.windows_[oneBasedIndex(requiredArg(a, 0), c.windows_.size())]));
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
