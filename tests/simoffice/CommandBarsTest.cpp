#include "hosts/sim/office/CommandBars.h"

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarControls.h"

namespace qh::sim {
namespace {

using testing::failureOf;
using testing::kDisconnected;
using testing::kInvalidArgument;

TEST(CommandBarsTest, ItemFindsABarByNameOrPositionAndRaisesForOneNotThere) {
  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> quillhour = bars->call("Add", "Quillhour").toObject();
  Ref<Object> other = bars->call("Add", "Other").toObject();

  EXPECT_TRUE(sameObject(bars->getObject("Item", "quillhour").get(), quillhour.get()));
  EXPECT_TRUE(sameObject(bars->getObject("", "Quillhour").get(), quillhour.get()));
  EXPECT_TRUE(sameObject(bars->getObject("Item", 2).get(), other.get()));
  EXPECT_EQ(bars->get("Count").toInt32(), 2);

  EXPECT_EQ(failureOf([&] { bars->get("Item", "Missing"); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { bars->get("Item", 0); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { bars->get("Item", 3); }), kInvalidArgument);
  EXPECT_FALSE(bars->tryGetObject("Item", "Missing"));
}

TEST(CommandBarsTest, AddKeepsItsArgumentsAndGivesANewBarOfficesDefaults) {
  Ref<CommandBars> bars = makeCommandBars();
  bars->call("Add", "Quillhour", 1, false, true);
  bars->call("Add");  // every argument omitted

  Ref<CommandBar> named = bars->find("Quillhour");
  ASSERT_TRUE(named);
  EXPECT_EQ(named->position(), 1);
  EXPECT_FALSE(named->menuBar());
  EXPECT_TRUE(named->temporary());
  EXPECT_FALSE(named->get("Visible").toBool()) << "a new bar stays hidden until shown";
  EXPECT_TRUE(named->get("Enabled").toBool());
  EXPECT_EQ(named->get("Protection").toInt32(), 0);

  Ref<CommandBar> unnamed = bars->bars().at(1);
  EXPECT_EQ(unnamed->name(), "Custom 1");
  EXPECT_EQ(unnamed->position(), 4) << "msoBarFloating";
  EXPECT_FALSE(unnamed->temporary());
}

TEST(CommandBarsTest, AddRefusesANameInUseAndAnUnknownPosition) {
  Ref<CommandBars> bars = makeCommandBars();
  bars->call("Add", "Quillhour");
  EXPECT_EQ(failureOf([&] { bars->call("Add", "QUILLHOUR"); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { bars->call("Add", "Other", 7); }), kInvalidArgument);
  EXPECT_EQ(bars->bars().size(), 1u);
}

TEST(CommandBarsTest, DeleteTakesTheBarAndItsControlsAway) {
  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> bar = bars->call("Add", "Quillhour").toObject();
  Ref<Object> button = bar->getObject("Controls")->call("Add", 1).toObject();

  bar->call("Delete");

  EXPECT_EQ(bars->get("Count").toInt32(), 0);
  EXPECT_EQ(failureOf([&] { bars->get("Item", "Quillhour"); }), kInvalidArgument);
  EXPECT_EQ(failureOf([&] { bar->get("Name"); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { bar->call("Delete"); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { button->get("Caption"); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { bars->call("Add", "Quillhour"); }), "no error")
      << "the name is free again";
}

TEST(CommandBarsTest, EachWindowsCollectionKeepsItsOwnBars) {
  Ref<CommandBars> explorerBars = makeCommandBars();
  Ref<CommandBars> inspectorBars = makeCommandBars();
  Ref<Object> explorerBar = explorerBars->call("Add", "Quillhour").toObject();
  inspectorBars->call("Add", "Quillhour");

  explorerBar->call("Delete");

  EXPECT_EQ(explorerBars->get("Count").toInt32(), 0);
  EXPECT_TRUE(inspectorBars->find("Quillhour"));
  EXPECT_FALSE(inspectorBars->find("Quillhour")->isDeleted());
}

TEST(CommandBarsTest, BarsOutlivingTheirWindowsCollectionAnswerNoMore) {
  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> bar = bars->call("Add", "Quillhour").toObject();
  Ref<Object> controls = bar->getObject("Controls");

  bars.reset();

  EXPECT_EQ(failureOf([&] { bar->put("Visible", true); }), kDisconnected);
  EXPECT_EQ(failureOf([&] { controls->get("Count"); }), kDisconnected);
}

TEST(CommandBarsTest, InjectedFaultsFailTheChosenMembersOnceOrAlways) {
  Ref<CommandBars> bars = makeCommandBars();
  bars->failOn("Add", "Add failed", FaultMode::Once);
  bars->failOn("Item", "Item failed", FaultMode::Always, {}, 5);

  EXPECT_EQ(failureOf([&] { bars->call("Add", "Quillhour"); }), "80004005: Add failed");
  EXPECT_EQ(failureOf([&] { bars->call("Add", "Quillhour"); }), "no error");
  EXPECT_EQ(failureOf([&] { bars->get("Item", "Quillhour"); }), "5: Item failed");
  EXPECT_EQ(failureOf([&] { bars->get("Item", "Quillhour"); }), "5: Item failed");
}

}  // namespace
}  // namespace qh::sim
