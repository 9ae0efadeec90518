#include "hosts/sim/outlook/ContactItem.h"

namespace qh::sim::outlook {

ContactItem::ContactItem(WeakLink<Application> app)
    : Item(std::move(app), kClassContact, kContactItem) {
  declare("FullName", "");
  declare("Subject", "");
  declare("Email1Address", "");
  declare("Body", "");
  declare("Categories", "");
}

bool ContactItem::dispatchOwn(std::string_view name, CallKind, Args&, Variant&) {
  if (memberNameEquals(name, "Send")) throw Error(ErrorCode::NotSupported);
  return false;
}

}  // namespace qh::sim::outlook
