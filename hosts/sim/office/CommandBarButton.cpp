#include "hosts/sim/office/CommandBarButton.h"

namespace qh::sim {

bool CommandBarButton::click() {
  requireUsable("click");
  Args args{Variant(Ref<Object>(this)), Variant(false)};
  raiseEvent("Click", args);
  return args[1].toBool();
}

Variant CommandBarButton::dispatchLive(std::string_view name, CallKind kind, Args& args) {
  return dispatchWith(table(), *this, name, kind, args);
}

const DispatchTable<CommandBarButton>& CommandBarButton::table() {
  static const DispatchTable<CommandBarButton> kTable = [] {
    DispatchTable<CommandBarButton> t;
    t.get("FaceId", [](CommandBarButton& self, Args&) { return Variant(self.faceId_); });
    t.put("FaceId", [](CommandBarButton& self, Args& args) {
      self.faceId_ = putValue(args).toInt32();
      return Variant();
    });
    return t;
  }();
  return kTable;
}

}  // namespace qh::sim
