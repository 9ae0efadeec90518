#include "hosts/sim/outlook/PointerIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

namespace qh::sim::outlook {
namespace {

// Random sets and erasures, checked step by step against the standard map: erasing from the
// middle of a probe run, wrapping at the table's end and growing must never lose an entry.
TEST(PointerIndex, AgreesWithAMapThroughRandomSetsAndErasures) {
  std::vector<int> objects(3000);
  std::mt19937 random(42);
  PointerIndex index;
  std::unordered_map<const void*, std::size_t> expected;
  for (int step = 0; step < 60000; ++step) {
    const void* key = &objects[random() % objects.size()];
    if (random() % 3 == 0) {
      EXPECT_EQ(index.erase(key), expected.erase(key) == 1);
    } else {
      index.set(key, static_cast<std::size_t>(step));
      expected[key] = static_cast<std::size_t>(step);
    }
    ASSERT_EQ(index.size(), expected.size());
  }
  for (const int& object : objects) {
    const auto found = expected.find(&object);
    const std::size_t* position = index.find(&object);
    ASSERT_EQ(position != nullptr, found != expected.end());
    if (position) {
      EXPECT_EQ(*position, found->second);
    }
  }
}

TEST(PointerIndex, NullIsNeverAKeyAndClearKeepsNothing) {
  int a = 0, b = 0;
  PointerIndex index;
  index.set(nullptr, 1);
  EXPECT_EQ(index.size(), 0u);
  EXPECT_FALSE(index.erase(&a));
  index.set(&a, 1);
  index.set(&b, 2);
  index.set(&a, 3);
  EXPECT_EQ(index.size(), 2u);
  EXPECT_EQ(*index.find(&a), 3u);
  index.clear();
  EXPECT_FALSE(index.contains(&a));
  EXPECT_FALSE(index.contains(&b));
  index.set(&b, 4);
  EXPECT_EQ(*index.find(&b), 4u);
}

}  // namespace
}  // namespace qh::sim::outlook
