// The explorer wrapper's bar operations called directly, before and after the bar exists, and
// the wrapper's place in the registry.
#include "explorer/cExplorer.h"

#include "core/cObjectStore.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarControl.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using explorer::cExplorer;

class ExplorerWrapper : public InProcessAddinTest {
 protected:
  // A window open before the connection, which no start-up has wrapped.
  Ref<sim::outlook::Explorer> openUnwrapped() {
    Ref<sim::outlook::Explorer> window = outlook.openExplorer(outlook.calendar());
    connect();
    return window;
  }
  Ref<sim::CommandBar> barOf(sim::outlook::Explorer& window) {
    return dynamic_cast<sim::CommandBars&>(*window.commandBars()).find("Quillhour");
  }
};

TEST_F(ExplorerWrapper, BeforeThereIsABarItsOperationsDoNothingAndSucceed) {
  Ref<sim::outlook::Explorer> window = openUnwrapped();
  Ref<cExplorer> wrapper = cExplorer::Create();
  wrapper->Init(window);
  EXPECT_NO_THROW(wrapper->HideCommandBar(false));
  EXPECT_NO_THROW(wrapper->EnableCommandBar(false));
  EXPECT_NO_THROW(wrapper->RemoveCommandBar());
  EXPECT_FALSE(barOf(*window));
  EXPECT_TRUE(logMessages().empty());
}

TEST_F(ExplorerWrapper, AddingTheBuiltBarAgainOnlyProtectsAndHidesIt) {
  Ref<sim::outlook::Explorer> window = openUnwrapped();
  Ref<cExplorer> wrapper = cExplorer::Create();
  wrapper->Init(window);
  wrapper->AddCommandBar();
  Ref<sim::CommandBar> bar = barOf(*window);
  ASSERT_TRUE(bar);
  EXPECT_FALSE(bar->visible()) << "hidden until a folder switch shows it";
  bar->recordCalls();
  for (const auto& control : bar->controls().all()) control->recordCalls();

  wrapper->AddCommandBar();
  EXPECT_EQ(bar->recordedCalls(),
            (std::vector<std::string>{"Put Protection = 25", "Put Visible = False"}));
  for (const auto& control : bar->controls().all())
    EXPECT_TRUE(control->recordedCalls().empty()) << control->caption();
}

TEST_F(ExplorerWrapper, EnableCommandBarSwitchesEveryControlOfTheBar) {
  Ref<sim::outlook::Explorer> window = openUnwrapped();
  Ref<cExplorer> wrapper = cExplorer::Create();
  wrapper->Init(window);
  wrapper->AddCommandBar();
  Ref<sim::CommandBar> bar = barOf(*window);
  wrapper->EnableCommandBar(false);
  ASSERT_EQ(bar->controls().all().size(), 5u);
  for (const auto& control : bar->controls().all()) EXPECT_FALSE(control->enabled());
  wrapper->EnableCommandBar(true);
  for (const auto& control : bar->controls().all()) EXPECT_TRUE(control->enabled());
}

TEST_F(ExplorerWrapper, AControlThatRefusesToBeDisabledEndsEnableCommandBar) {
  Ref<sim::outlook::Explorer> window = openUnwrapped();
  Ref<cExplorer> wrapper = cExplorer::Create();
  wrapper->Init(window);
  wrapper->AddCommandBar();
  const auto& controls = barOf(*window)->controls().all();
  ASSERT_EQ(controls.size(), 5u);
  controls[2]->failOn("Enabled", "Control is locked");
  EXPECT_THROW(wrapper->EnableCommandBar(false), Error);
  EXPECT_FALSE(controls[1]->enabled());
  EXPECT_TRUE(controls[3]->enabled());
  EXPECT_TRUE(logMessages().empty()) << "no handler of its own";
}

TEST_F(ExplorerWrapper, AClosedWindowsWrapperLeavesTheRegistryAndEndsQuietly) {
  Ref<sim::outlook::Explorer> window = outlook.openExplorer(outlook.calendar());
  connectAndStart();
  Ref<sim::CommandBar> bar = barOf(*window);
  ASSERT_EQ(addinGlobals().gObjectStore->occupiedSlots(), 1);
  outlook.closeExplorer(*window);
  EXPECT_EQ(addinGlobals().gObjectStore->occupiedSlots(), 0);
  EXPECT_TRUE(bar->isDeleted());
  EXPECT_EQ(logMessages(), (std::vector<std::string>{"Addin Startup", "Explorer Explorer_Close"}));
}

}  // namespace
}  // namespace qh::core::testing
