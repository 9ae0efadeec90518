#pragma once

#include <string_view>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Folder.h"

namespace qh::sim::outlook {

class Item;

// A folder's Items collection: Count, Item(index from 1), Find(filter), Add([type]), Parent.
// Every read of Folder.Items makes a new one, as in Outlook; it shows the folder's items live,
// in folder order.
class Items : public TableObject<Items> {
 public:
  explicit Items(Ref<Folder> folder) : folder_(std::move(folder)) {}

  Folder& folder() const { return *folder_; }
  size_t count() const { return folder_->items().size(); }
  // Raises "Array index out of bounds." outside 1..count.
  Ref<Item> item(const Variant& index) const;
  // The first item that matches the filter, or an empty reference.
  Ref<Item> find(std::string_view filter) const;
  // A new item of the given type (the folder's default type when omitted) that is filed in
  // this folder when it is first saved.
  Ref<Item> add(const Variant& type);

 private:
  friend class TableObject<Items>;
  static const DispatchTable<Items>& table();

  Ref<Folder> folder_;
};

}  // namespace qh::sim::outlook
