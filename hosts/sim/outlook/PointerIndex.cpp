#include "hosts/sim/outlook/PointerIndex.h"

#include <utility>

namespace qh::sim::outlook {

std::size_t PointerIndex::home(const void* key) const {
  // Addresses are aligned and clustered: a multiplicative hash spreads them.
  const auto bits = reinterpret_cast<std::uintptr_t>(key);
  const std::uint64_t h = static_cast<std::uint64_t>(bits) * 0x9E3779B97F4A7C15ull;
  return static_cast<std::size_t>(h >> 32) & (slots_.size() - 1);
}

const std::size_t* PointerIndex::find(const void* key) const {
  if (slots_.empty() || !key) return nullptr;
  for (std::size_t i = home(key);; i = next(i)) {
    if (slots_[i].key == key) return &slots_[i].position;
    if (!slots_[i].key) return nullptr;
  }
}

void PointerIndex::set(const void* key, std::size_t position) {
  if (!key) return;
  if ((size_ + 1) * 2 > slots_.size()) grow();
  std::size_t i = home(key);
  while (slots_[i].key && slots_[i].key != key) i = next(i);
  if (!slots_[i].key) ++size_;
  slots_[i] = {key, position};
}

bool PointerIndex::erase(const void* key) {
  if (slots_.empty() || !key) return false;
  std::size_t i = home(key);
  while (slots_[i].key != key) {
    if (!slots_[i].key) return false;
    i = next(i);
  }
  // Backward shift: later entries of the run move up, so look-ups never meet a gap early.
  for (std::size_t j = next(i);; j = next(j)) {
    if (!slots_[j].key) break;
    const std::size_t h = home(slots_[j].key);
    // Entry j may fill the gap at i only if its home does not lie in (i, j].
    const bool movable = i <= j ? (h <= i || h > j) : (h <= i && h > j);
    if (movable) {
      slots_[i] = slots_[j];
      i = j;
    }
  }
  slots_[i] = Slot{};
  --size_;
  return true;
}

void PointerIndex::clear() {
  slots_.assign(slots_.size(), Slot{});
  size_ = 0;
}

void PointerIndex::reserve(std::size_t entries) {
  if (entries * 2 <= slots_.size()) return;
  std::vector<Slot> old = std::move(slots_);
  std::size_t capacity = 16;
  while (capacity < entries * 2) capacity *= 2;
  slots_.assign(capacity, Slot{});
  size_ = 0;
  for (const Slot& s : old)
    if (s.key) set(s.key, s.position);
}

void PointerIndex::grow() {
  reserve(slots_.empty() ? 8 : slots_.size());
}

}  // namespace qh::sim::outlook
