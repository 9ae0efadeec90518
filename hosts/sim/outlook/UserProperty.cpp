#include "hosts/sim/outlook/UserProperty.h"

#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {

const UserPropertyValue& UserProperty::value() const {
  item_->requireNotDeleted();
  const UserPropertyList::Entry* entry = item_->userProperties().byId(id_);
  if (!entry) throw Error(static_cast<std::int32_t>(0x80004005u), "The property has been deleted.");
  return entry->property;
}

const DispatchTable<UserProperty>& UserProperty::table() {
  static const DispatchTable<UserProperty> t = [] {
    DispatchTable<UserProperty> d;
    d.get("Name", [](UserProperty& p, Args&) { return Variant(p.value().name); });
    d.get("Type", [](UserProperty& p, Args&) { return Variant(p.value().type); });
    for (const char* name : {"Value", ""}) {
      d.get(name, [](UserProperty& p, Args&) { return p.value().value; });
      d.put(name, [](UserProperty& p, Args& a) {
        p.value();
        p.item_->setUserPropertyValue(p.id_, putValue(a));
        return Variant();
      });
    }
    d.method("Delete", [](UserProperty& p, Args&) {
      p.value();
      p.item_->removeUserProperty(p.id_);
      return Variant();
    });
    d.get("Parent", [](UserProperty& p, Args&) { return Variant(Ref<Object>(p.item_)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
