#pragma once

#include <string_view>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim::outlook {

class Item;

// An item's UserProperties collection: Count, Item(index from 1 or name; also the default
// member), Find(Name[, Custom]) answering Nothing for a property the item does not have,
// Add(Name, Type[, AddToFolderFields[, DisplayFormat]]), Remove(index) and Parent. It is a
// view of the item's working set: what it adds or removes is stored by the item's Save.
// Types olText (1), olNumber (3), olDateTime (5) and olYesNo (6) are simulated; Add raises for
// any other, for a name Outlook refuses, and for a name already in use.
class UserProperties : public TableObject<UserProperties> {
 public:
  explicit UserProperties(Ref<Item> item) : item_(std::move(item)) {}

  Item& item() const;

 private:
  friend class TableObject<UserProperties>;
  static const DispatchTable<UserProperties>& table();
  Variant property(const Variant& key) const;
  Variant find(std::string_view name) const;
  Variant add(const Args& args);
  void remove(const Variant& index);

  Ref<Item> item_;
};

}  // namespace qh::sim::outlook
