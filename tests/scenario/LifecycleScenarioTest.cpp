#include "tests/support/AddinHostTest.h"

namespace qh::testing {
namespace {

using Lifecycle = AddinHostTest;

TEST_F(Lifecycle, ConnectsThroughTheRegistryTracesStartupAndTearsDownAtQuit) {
  outlook().openExplorer(calendar());
  startAddin();
  outlook().startup();
  EXPECT_EQ(logMessages(),
            (std::vector<std::string>{"Addin Startup", "Addin OutlookInstance_Startup"}));
  ASSERT_EQ(host().loader().connectedAddins(), std::vector<std::string>{"Quillhour.Connect"});

  host().quit();
  EXPECT_TRUE(logMessages().empty()) << "shutdown closes the log window";
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

}  // namespace
}  // namespace qh::testing
