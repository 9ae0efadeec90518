// The inspector's tag box on hosts that cannot give it a task pane: one without task panes,
// and one where the pane's control library is not registered.
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "tests/scenario/TagSettingsTest.h"

namespace qh::testing {
namespace {

using Tags = std::vector<std::string>;
using sim::outlook::ItemWindow;

class WithoutTaskPanes : public TagSettingsTest {
 protected:
  sim::SimHost::Options hostOptions() const override {
    sim::SimHost::Options options = TagSettingsTest::hostOptions();
    options.taskPanes = false;
    return options;
  }
};

TEST_F(WithoutTaskPanes, TheInspectorGetsOnlyItsBarAndNothingIsLogged) {
  seedSettings("Support");
  outlook().openExplorer(calendar());
  startAddin();
  ASSERT_EQ(host().taskPanes(), nullptr);
  auto time = addTime("Review", "Support");
  Ref<ItemWindow> inspector = outlook().openInspector(*time);

  Ref<sim::CommandBarComboBox> box = barTagBox(*inspector);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->entries(), Tags{"Support"});
  EXPECT_EQ(box->text(), "Support");
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();

  outlook().closeInspector(*inspector);
  EXPECT_EQ(inspector->sinkCount(), 0u);
  EXPECT_TRUE(errorLines().empty()) << errorLines().front();
}

// How the control library can be missing: never registered, or registered and then deleted.
enum class Missing { Registration, ModuleFile };

class WithoutControlLibrary : public TagSettingsTest,
                              public ::testing::WithParamInterface<Missing> {
 protected:
  void removeControlLibrary() {
    const std::string progIdKey = "Software\\Classes\\QuillhourControls.InspectorPane";
    auto& registry = system().registry();
    if (GetParam() == Missing::Registration) {
      registry.deleteTree(platform::RegistryRoot::CurrentUser, progIdKey);
      return;
    }
    const auto clsid =
        registry.stringValue(platform::RegistryRoot::CurrentUser, progIdKey + "\\CLSID", "");
    ASSERT_TRUE(clsid);
    registry.setString(platform::RegistryRoot::CurrentUser,
                       "Software\\Classes\\CLSID\\" + *clsid + "\\InprocServer32", "",
                       outputDir() + "/libQuillhourControls.so");
  }
};

TEST_P(WithoutControlLibrary, TheInspectorGetsItsBarAndTheLogOnePaneLine) {
  seedSettings("Support");
  outlook().openExplorer(calendar());
  startAddin();
  removeControlLibrary();
  clearLog(system());
  auto time = addTime("Review");
  Ref<ItemWindow> inspector = outlook().openInspector(*time);

  EXPECT_TRUE(barTagBox(*inspector));
  EXPECT_TRUE(host().taskPanes()->panesOf(*inspector).empty());
  const Tags lines = errorLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("cInspector:AddTaskPane:")) << lines[0];
  EXPECT_NE(lines[0], "cInspector:AddTaskPane:") << "the line carries the error's description";

  outlook().closeInspector(*inspector);
  EXPECT_EQ(errorLines().size(), 1u) << "closing has no pane to remove";
}

INSTANTIATE_TEST_SUITE_P(Missing, WithoutControlLibrary,
                         ::testing::Values(Missing::Registration, Missing::ModuleFile));

}  // namespace
}  // namespace qh::testing
