#include "hosts/sim/outlook/Inspectors.h"

#include <algorithm>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
Ref<Inspector> Inspectors::open(Item& item) {
  if (Ref<Inspector> existing = showing(item)) {
    existing->activate();
    return existing;
  }
  auto inspector = makeRef<Inspector>(app_, item);
  windows_.push_back(inspector);
  announce(*inspector);
  return inspector;
}

void Inspectors::announce(Inspector& inspector) {
  Application* app = app_.get();
  Args args{Variant(Ref<Object>(&inspector))};
  fireEvent(app ? &app->failures() : nullptr, events_, "NewInspector", args);
}

Ref<Inspector> Inspectors::showing(const Item& item) const {
  for (const Ref<Inspector>& w : windows_)
    if (&w->item() == &item) return w;
  return nullptr;
}

void Inspectors::closeShowing(const Item& item) {
  const std::vector<Ref<Inspector>> snapshot = windows_;
  for (const Ref<Inspector>& w : snapshot)
    if (&w->item() == &item) w->closeWindow();
}

void Inspectors::remove(Inspector& inspector) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const auto& w) { return w.get() == &inspector; });
  if (it == windows_.end()) return;
  Ref<Inspector> keepAlive = *it;
  windows_.erase(it);
}

const DispatchTable<Inspectors>& Inspectors::table() {
  static const DispatchTable<Inspectors> t = [] {
    DispatchTable<Inspectors> d;
    d.get("Count",
          [](Inspectors& c, Args&) { return Variant(static_cast<int>(c.windows_.size())); });
    d.method("Item", [](Inspectors& c, Args& a) {
      return Variant(Ref<Object>(c.windows_[oneBasedIndex(requiredArg(a, 0), c.windows_.size())]));
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
