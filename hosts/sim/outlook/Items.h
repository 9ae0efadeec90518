#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/ItemSequence.h"
#include "hosts/sim/outlook/SortOrder.h"

namespace qh::sim::outlook {

class Item;

// An Items collection: Count, Item(index from 1), Find(filter), Restrict(filter),
// Sort(Property[, Descending]), IncludeRecurrences, GetFirst/GetNext/GetLast/GetPrevious,
// Add([type]) and Parent.
//
// Every read of Folder.Items makes a new collection, as in Outlook, showing the folder's items
// live in folder order. Restrict answers a new collection of its own: the matching items at
// that moment, in this collection's order, keeping its sort order and IncludeRecurrences.
// Sort orders this collection (from then on it holds its own list as well). An item deleted
// from the folder leaves every collection that holds it; items filed later do not join a
// collection of its own.
//
// Recurrences, as in Outlook: a series is listed once, as its master, unless IncludeRecurrences
// was True (and the collection unsorted or sorted by Start ascending) when Restrict was called;
// the restricted collection then lists each occurrence that matches instead. Setting
// IncludeRecurrences afterwards changes nothing in a collection already made.
//
// The Get methods walk a position among the items still held, as Outlook's do: deleting the
// current item while walking forward makes GetNext skip the item after it, while walking
// backward (GetLast, GetPrevious) visits every item. They answer Nothing past either end.
class Items : public TableObject<Items> {
 public:
  // The folder's items, live.
  explicit Items(Ref<Folder> folder);
  // A collection of its own, holding items in the order given.
  Items(Ref<Folder> folder, std::vector<Ref<Item>> items, std::optional<SortOrder> order,
        bool includeRecurrences);
  ~Items() override;

  Folder& folder() const { return *folder_; }
  size_t count() const { return sequence().size(); }
  bool holdsOwnList() const { return own_ != nullptr; }
  // Raises "Array index out of bounds." outside 1..count.
  Ref<Item> item(const Variant& index) const;
  // The first item that matches the filter, or an empty reference.
  Ref<Item> find(std::string_view filter) const;
  // A new item of the given type (the folder's default type when omitted) that is filed in
  // this folder when it is first saved.
  Ref<Item> add(const Variant& type);
  Ref<Items> restrict(std::string_view filter) const;
  void sort(std::string_view property, bool descending);
  bool includeRecurrences() const { return includeRecurrences_; }
  void setIncludeRecurrences(bool on) { includeRecurrences_ = on; }

  Ref<Item> first();
  Ref<Item> next();
  Ref<Item> last();
  Ref<Item> previous();

  // The folder tells a collection of its own that an item left it.
  void removed(const Item& item);

 private:
  friend class TableObject<Items>;
  static const DispatchTable<Items>& table();
  const ItemSequence& sequence() const;
  void holdOwn(std::vector<Ref<Item>> items);
  bool expandsRecurrences() const;
  std::vector<Ref<Item>> candidates() const;
  Ref<Item> atCursor() const;

  Ref<Folder> folder_;
  std::unique_ptr<ItemSequence> own_;
  std::optional<SortOrder> order_;
  bool includeRecurrences_ = false;
  std::ptrdiff_t cursor_ = -1;  // before the first item
};

}  // namespace qh::sim::outlook
