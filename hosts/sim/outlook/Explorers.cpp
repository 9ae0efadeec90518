#include "hosts/sim/outlook/Explorers.h"

#include <algorithm>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
Ref<Explorer> Explorers::open(Folder& folder) {
  auto explorer = makeRef<Explorer>(app_, folder);
  windows_.push_back(explorer);
  Application* app = app_.get();
  Args args{Variant(Ref<Object>(explorer))};
  fireEvent(app ? &app->failures() : nullptr, events_, "NewExplorer", args);
  return explorer;
}

void Explorers::remove(Explorer& explorer) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const auto& w) { return w.get() == &explorer; });
  if (it == windows_.end()) return;
  Ref<Explorer> keepAlive = *it;
  windows_.erase(it);
}

const DispatchTable<Explorers>& Explorers::table() {
  static const DispatchTable<Explorers> t = [] {
    DispatchTable<Explorers> d;
    d.get("Count",
          [](Explorers& c, Args&) { return Variant(static_cast<int>(c.windows_.size())); });
    d.method("Item", [](Explorers& c, Args& a) {
      return Variant(Ref<Object>(c.windows_[oneBasedIndex(requiredArg(a, 0), c.windows_.size())]));
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
