#pragma once

#include <cstddef>
#include <vector>

#include "automation/Ref.h"
#include "hosts/sim/outlook/PointerIndex.h"

namespace qh::sim::outlook {

class Item;

// The items of a folder or of a restricted or sorted collection, in order. Positions count
// only the items still held, as Outlook's collection indexes do, so removing an item moves
// every later one down by one.
//
// Appending, removing an item, finding the item at a position and testing membership each
// take at most logarithmic time (a Fenwick tree over the slots counts the items still held),
// so walking and emptying a collection of thousands of items stays linear-logarithmic.
// items() gives the items as one vector; after removals it closes the gaps once, in linear
// time.
class ItemSequence {
 public:
  ItemSequence() = default;
  explicit ItemSequence(std::vector<Ref<Item>> items);

  std::size_t size() const { return held_; }
  bool empty() const { return held_ == 0; }
  bool contains(const Item& item) const { return slotOf_.contains(&item); }

  // An item already held is not added again.
  void append(Ref<Item> item);
  // Answers the removed item, or an empty reference when it was not held.
  Ref<Item> remove(const Item& item);
  // The item at a position counted from 0; position must be below size().
  const Ref<Item>& at(std::size_t position) const;
  const std::vector<Ref<Item>>& items() const;

 private:
  void rebuild(std::vector<Ref<Item>> items) const;
  void addAt(std::size_t slot, int delta) const;
  std::size_t prefix(std::size_t slots) const;

  // Mutable: items() closes the gaps left by removals without changing what is held.
  mutable std::vector<Ref<Item>> slots_;  // empty where an item was removed
  mutable std::vector<int> tree_;         // Fenwick tree, 1-based: held items per range
  mutable PointerIndex slotOf_;
  std::size_t held_ = 0;
};

}  // namespace qh::sim::outlook
