#include "hosts/sim/outlook/UserProperties.h"

#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/OutlookArgs.h"
#include "hosts/sim/outlook/UserProperty.h"

namespace qh::sim::outlook {

Item& UserProperties::item() const {
  item_->requireNotDeleted();
  return *item_;
}

Variant UserProperties::property(const Variant& key) const {
  const auto& entries = item().userProperties().entries();
  if (key.isString()) {
    const UserPropertyList::Entry* entry = item_->userProperties().find(key.asString());
    if (!entry) throw Error(ErrorCode::InvalidCall);
    return Variant(Ref<Object>(makeRef<UserProperty>(item_, entry->id)));
  }
  const size_t at = oneBasedIndex(key, entries.size());
  return Variant(Ref<Object>(makeRef<UserProperty>(item_, entries[at].id)));
}

Variant UserProperties::find(std::string_view name) const {
  const UserPropertyList::Entry* entry = item().userProperties().find(name);
  if (!entry) return Variant(Ref<Object>());
  return Variant(Ref<Object>(makeRef<UserProperty>(item_, entry->id)));
}

Variant UserProperties::add(const Args& args) {
  std::string name = requiredArg(args, 0).toString();
  const int type = requiredArg(args, 1).toInt32();
  // AddToFolderFields is True when omitted, as in Outlook.
  const bool toFolder = argPresent(args, 2) ? args[2].toBool() : true;
  const unsigned id = item().addUserProperty(std::move(name), type, toFolder);
  return Variant(Ref<Object>(makeRef<UserProperty>(item_, id)));
}

void UserProperties::remove(const Variant& index) {
  const auto& entries = item().userProperties().entries();
  item_->removeUserProperty(entries[oneBasedIndex(index, entries.size())].id);
}

const DispatchTable<UserProperties>& UserProperties::table() {
  static const DispatchTable<UserProperties> t = [] {
    DispatchTable<UserProperties> d;
    d.get("Count", [](UserProperties& c, Args&) {
      return Variant(static_cast<int>(c.item().userProperties().entries().size()));
    });
    for (const char* name : {"Item", ""})
      d.method(name, [](UserProperties& c, Args& a) { return c.property(requiredArg(a, 0)); });
    d.method("Find",
             [](UserProperties& c, Args& a) { return c.find(requiredArg(a, 0).toString()); });
    d.method("Add", [](UserProperties& c, Args& a) { return c.add(a); });
    d.method("Remove", [](UserProperties& c, Args& a) {
      c.remove(requiredArg(a, 0));
      return Variant();
    });
    d.get("Parent", [](UserProperties& c, Args&) { return Variant(Ref<Object>(c.item_)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
