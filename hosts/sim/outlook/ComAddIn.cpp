#include "hosts/sim/outlook/ComAddIn.h"

namespace qh::sim::outlook {

const DispatchTable<ComAddIn>& ComAddIn::table() {
  static const DispatchTable<ComAddIn> t = [] {
    DispatchTable<ComAddIn> d;
    d.get("ProgId", [](ComAddIn& a, Args&) { return Variant(a.progId_); });
    d.get("Guid", [](ComAddIn& a, Args&) { return Variant(a.guid_); });
    d.get("Description", [](ComAddIn& a, Args&) { return Variant(a.description_); });
    d.get("Connect", [](ComAddIn& a, Args&) { return Variant(a.connected_); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
