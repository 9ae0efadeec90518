#include "hosts/sim/outlook/ItemSequence.h"

#include <cassert>

#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {
namespace {

std::size_t lowestBit(std::size_t i) {
  return i & (~i + 1);
}

}  // namespace

ItemSequence::ItemSequence(std::vector<Ref<Item>> items) {
  std::vector<Ref<Item>> unique;
  unique.reserve(items.size());
  PointerIndex seen;
  seen.reserve(items.size());
  for (Ref<Item>& item : items) {
    if (!item || seen.contains(item.get())) continue;
    seen.set(item.get(), 0);
    unique.push_back(std::move(item));
  }
  held_ = unique.size();
  rebuild(std::move(unique));
}

void ItemSequence::rebuild(std::vector<Ref<Item>> items) const {
  slots_ = std::move(items);
  const std::size_t n = slots_.size();
  // Linear construction: every slot holds one item; each node passes its count to its parent.
  tree_.assign(n + 1, 0);
  for (std::size_t i = 1; i <= n; ++i) {
    tree_[i] += 1;
    const std::size_t parent = i + lowestBit(i);
    if (parent <= n) tree_[parent] += tree_[i];
  }
  slotOf_.clear();
  slotOf_.reserve(n);
  for (std::size_t slot = 0; slot < n; ++slot) slotOf_.set(slots_[slot].get(), slot);
}

void ItemSequence::append(Ref<Item> item) {
  if (!item || contains(*item)) return;
  if (tree_.empty()) tree_.push_back(0);
  const std::size_t slot = slots_.size();
  const std::size_t i = slot + 1;
  // The new node covers the slots (i - lowestBit(i), i]: the earlier ones plus itself.
  tree_.push_back(static_cast<int>(prefix(i - 1) - prefix(i - lowestBit(i))) + 1);
  slotOf_.set(item.get(), slot);
  slots_.push_back(std::move(item));
  ++held_;
}

Ref<Item> ItemSequence::remove(const Item& item) {
  const std::size_t* found = slotOf_.find(&item);
  if (!found) return nullptr;
  const std::size_t slot = *found;
  slotOf_.erase(&item);
  Ref<Item> removed = std::move(slots_[slot]);
  slots_[slot] = nullptr;
  addAt(slot, -1);
  --held_;
  return removed;
}

const Ref<Item>& ItemSequence::at(std::size_t position) const {
  assert(position < held_);
  // Descends the tree to the slot holding the (position + 1)-th item still held.
  const std::size_t n = slots_.size();
  std::size_t step = 1;
  while (step * 2 <= n) step *= 2;
  std::size_t node = 0;
  std::size_t remaining = position + 1;
  for (; step > 0; step /= 2) {
    if (node + step <= n && static_cast<std::size_t>(tree_[node + step]) < remaining) {
      node += step;
      remaining -= static_cast<std::size_t>(tree_[node]);
    }
  }
  return slots_[node];
}

const std::vector<Ref<Item>>& ItemSequence::items() const {
  if (slots_.size() != held_) {
    std::vector<Ref<Item>> held;
    held.reserve(held_);
    for (Ref<Item>& item : slots_)
      if (item) held.push_back(std::move(item));
    rebuild(std::move(held));
  }
  return slots_;
}

void ItemSequence::addAt(std::size_t slot, int delta) const {
  for (std::size_t i = slot + 1; i < tree_.size(); i += lowestBit(i)) tree_[i] += delta;
}

std::size_t ItemSequence::prefix(std::size_t slots) const {
  std::size_t sum = 0;
  for (std::size_t i = slots; i > 0; i -= lowestBit(i)) sum += static_cast<std::size_t>(tree_[i]);
  return sum;
}

}  // namespace qh::sim::outlook
