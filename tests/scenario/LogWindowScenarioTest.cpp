// The hidden log window: how a line reads, how many it keeps, and its "Hide window" button.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using LogWindow = ExplorerHostTest;
using Messages = std::vector<std::string>;

TEST_F(LogWindow, ALineIsTheTimeOfDayInTheUsersFormatThenTheMessage) {
  system().setLocale(sim::Locale::EnGb);
  startAddin();
  EXPECT_EQ(host().logLines(), Messages{"14:20:00: Addin Startup"});
}

TEST_F(LogWindow, TwelveHourFormatsKeepTheirDesignator) {
  startAddin();  // United States formats
  EXPECT_EQ(host().logLines(), Messages{"2:20:00 PM: Addin Startup"});
}

TEST_F(LogWindow, KeepsTheNewest25LinesInOrder) {
  system().setLocale(sim::Locale::EnGb);
  Ref<Explorer> explorer = startOnCalendar();     // line 1
  for (int second = 1; second <= 25; ++second) {  // lines 2 to 26
    system().setNow(Date::fromParts(2026, 12, 7, 15, 0, second));
    outlook().activate(*explorer);
  }
  const Messages lines = host().logLines();
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines.front(), "15:00:01: Explorer Explorer_Activate");
  EXPECT_EQ(lines.back(), "15:00:25: Explorer Explorer_Activate");
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_LT(lines[i - 1], lines[i]);
}

TEST_F(LogWindow, IsCreatedHiddenAndHideWindowKeepsItsLines) {
  startAddin();
  Ref<Object> window = system().forms().find("Quillhour");
  ASSERT_TRUE(window);
  EXPECT_FALSE(system().forms().isVisible(*window));

  window->call("Show");
  ASSERT_TRUE(system().forms().isVisible(*window));
  window->getObject("ButtonHide")->call("Click");
  EXPECT_FALSE(system().forms().isVisible(*window));
  EXPECT_EQ(logMessages(), Messages{"Addin Startup"});
}

TEST_F(LogWindow, IsLaidOutAsAListAboveItsHideButton) {
  startAddin();
  Ref<Object> window = system().forms().find("Quillhour");
  ASSERT_TRUE(window);
  const struct {
    const char* name;
    int left, top, width, height, tabIndex;
  } expected[] = {{"ErrorList", 120, 120, 6735, 5910, 0}, {"ButtonHide", 5040, 6120, 1815, 375, 1}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    Ref<Object> control = window->getObject(e.name);
    EXPECT_EQ(control->get("Left").toInt32(), e.left);
    EXPECT_EQ(control->get("Top").toInt32(), e.top);
    EXPECT_EQ(control->get("Width").toInt32(), e.width);
    EXPECT_EQ(control->get("Height").toInt32(), e.height);
    EXPECT_EQ(control->get("TabIndex").toInt32(), e.tabIndex);
  }
  EXPECT_EQ(window->getObject("ButtonHide")->get("Caption").toString(), "Hide window");
}

}  // namespace
}  // namespace qh::testing
