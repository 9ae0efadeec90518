#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qh::sim::outlook {

// Positions by object address: a hash table with open addressing, kept in one block. A
// collection of tens of thousands of items indexes every item, and a node per entry (as the
// standard unordered map allocates) would cost one allocation each.
class PointerIndex {
 public:
  std::size_t size() const { return size_; }
  bool contains(const void* key) const { return find(key) != nullptr; }
  // The position stored for key, or null.
  const std::size_t* find(const void* key) const;
  // Stores position for key, replacing any position it had.
  void set(const void* key, std::size_t position);
  // Answers false when key was not there.
  bool erase(const void* key);
  void clear();
  void reserve(std::size_t entries);

 private:
  struct Slot {
    const void* key = nullptr;  // null: free
    std::size_t position = 0;
  };
  std::size_t home(const void* key) const;
  std::size_t next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }
  void grow();

  std::vector<Slot> slots_;  // a power of two long, at most half full
  std::size_t size_ = 0;
};

}  // namespace qh::sim::outlook
