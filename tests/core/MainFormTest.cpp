// The log window's frame, which only the window itself knows (its controls answer by name).
#include "core/MainForm.h"

#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"

namespace qh::core {
namespace {

TEST(MainForm, IsTheQuillhourWindowWithItsClientArea) {
  sim::SimSystem system;
  Ref<MainForm> window = makeRef<MainForm>(system);
  EXPECT_EQ(window->caption(), "Quillhour");
  EXPECT_EQ(window->clientWidth(), 7035);
  EXPECT_EQ(window->clientHeight(), 6600);
  EXPECT_EQ(window->controls().size(), 2u);
  EXPECT_TRUE(window->lines().empty());
}

}  // namespace
}  // namespace qh::core
