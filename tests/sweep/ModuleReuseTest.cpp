// The add-in's module loaded once for two hosts one after the other, as the sweep keeps it:
// what the first host left loaded must not be used on the second.
#include <gtest/gtest.h>

#include "tests/support/AddinHostTest.h"
#include "tests/support/HostWindows.h"

namespace qh::testing {
namespace {

// Outlook with the add-in on a fresh host, the export dialog opened and Outlook quit again.
std::unique_ptr<sim::SimHost> exportDialogOpenedAndQuit() {
  sim::SimHost::Options options;
  options.moduleDir = moduleDir();
  auto host = std::make_unique<sim::SimHost>(options);
  host->system().setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
  Ref<sim::outlook::Explorer> explorer = host->outlook().openExplorer(host->outlook().calendar());
  EXPECT_TRUE(host->install());
  host->start();
  barButton(*explorer, "Export Times")->click();
  EXPECT_EQ(dialogsCaptioned(host->system(), "Quillhour Export"), 1);
  EXPECT_TRUE(host->eventFailures().empty()) << host->eventFailures().front();
  host->quit();
  return host;
}

TEST(ModuleReuse, TheExportDialogOfAnEarlierHostIsNotShownOnTheNextOne) {
  // The first host stays, so that its module (and the dialog it left loaded) stays too.
  const auto first = exportDialogOpenedAndQuit();
  const auto second = exportDialogOpenedAndQuit();
}

}  // namespace
}  // namespace qh::testing
