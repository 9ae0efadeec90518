#pragma once

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/UserPropertyList.h"

namespace qh::sim::outlook {

class Item;

// One user property of an item: Name, Type, Value (also the default member) and Delete.
// Value converts what is assigned to the property's type, as Outlook does, and raises Type
// mismatch when it cannot. The object keeps denoting its property: once the property was
// deleted (or the change that added it discarded) every member fails.
class UserProperty : public TableObject<UserProperty> {
 public:
  UserProperty(Ref<Item> item, unsigned id) : item_(std::move(item)), id_(id) {}

 private:
  friend class TableObject<UserProperty>;
  static const DispatchTable<UserProperty>& table();
  const UserPropertyValue& value() const;

  Ref<Item> item_;
  unsigned id_;
};

}  // namespace qh::sim::outlook
