#include "hosts/sim/outlook/ItemSequence.h"

#include <gtest/gtest.h>

#include <random>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class ItemSequenceTest : public OutlookTest {
 protected:
  std::vector<Ref<Item>> made(int n) {
    std::vector<Ref<Item>> out;
    for (int i = 0; i < n; ++i) out.push_back(app().createItem(kAppointmentItem));
    return out;
  }
};

// Positions and membership agree with a plain vector under appends and removals in any order.
TEST_F(ItemSequenceTest, AgreesWithAPlainListUnderRandomAppendsAndRemovals) {
  std::vector<Ref<Item>> pool = made(500);
  ItemSequence sequence(std::vector<Ref<Item>>(pool.begin(), pool.begin() + 100));
  std::vector<Ref<Item>> model(pool.begin(), pool.begin() + 100);
  std::mt19937 random(7);
  size_t nextNew = 100;
  for (int step = 0; step < 600; ++step) {
    if (random() % 2 == 0 && nextNew < pool.size()) {
      sequence.append(pool[nextNew]);
      model.push_back(pool[nextNew++]);
    } else if (!model.empty()) {
      const size_t at = random() % model.size();
      EXPECT_EQ(sequence.remove(*model[at]), model[at]);
      model.erase(model.begin() + static_cast<long>(at));
    }
    ASSERT_EQ(sequence.size(), model.size());
    if (!model.empty()) {
      const size_t probe = random() % model.size();
      ASSERT_EQ(sequence.at(probe), model[probe]) << "step " << step;
    }
  }
  EXPECT_EQ(sequence.items(), model);
  ASSERT_FALSE(model.empty());
  EXPECT_EQ(sequence.at(model.size() - 1), model.back()) << "positions hold after closing gaps";
}

TEST_F(ItemSequenceTest, HoldsEachItemOnceAndIgnoresItemsItDoesNotHold) {
  std::vector<Ref<Item>> pool = made(3);
  ItemSequence sequence({pool[0], pool[1], pool[0]});
  EXPECT_EQ(sequence.size(), 2u);
  sequence.append(pool[1]);
  EXPECT_EQ(sequence.size(), 2u);
  EXPECT_FALSE(sequence.remove(*pool[2]));
  EXPECT_TRUE(sequence.contains(*pool[1]));
  EXPECT_TRUE(sequence.remove(*pool[1]));
  EXPECT_FALSE(sequence.contains(*pool[1]));
  ItemSequence empty;
  empty.append(pool[2]);
  EXPECT_EQ(empty.at(0), pool[2]);
}

}  // namespace
}  // namespace qh::sim::outlook
