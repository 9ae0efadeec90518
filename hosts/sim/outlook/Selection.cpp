#include "hosts/sim/outlook/Selection.h"

#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
const DispatchTable<Selection>& Selection::table() {
  static const DispatchTable<Selection> t = [] {
    DispatchTable<Selection> d;
    d.get("Count", [](Selection& s, Args&) { return Variant(static_cast<int>(s.items_.size())); });
    d.method("Item", [](Selection& s, Args& a) {
      return Variant(Ref<Object>(s.items_[oneBasedIndex(requiredArg(a, 0), s.items_.size())]));
    });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
