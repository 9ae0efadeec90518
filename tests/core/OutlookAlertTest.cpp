// The controller's one alert routine on old and new hosts, and the major version it decides by.
#include "core/cAddin.h"
#include "tests/core/InProcessAddinTest.h"

namespace qh::core::testing {
namespace {

using platform::kAnswerCancel;
using platform::kAnswerOk;

class OutlookAlert : public InProcessAddinTest {
 protected:
  int alert() {
    return addinGlobals().gAddin->OutlookAlert("Export Error", "Nothing found").value();
  }
  sim::office::Assistant& assistant() { return outlook.assistant(); }
};

TEST_F(OutlookAlert, AsksTheAssistantWithTheQueryIconAndAnswersOneOnlyForOk) {
  connect();
  assistant().queueAnswer(1);  // msoAlertReturnOK
  assistant().queueAnswer(2);  // msoAlertReturnCancel
  EXPECT_EQ(alert(), 1);
  EXPECT_NE(alert(), 1);

  ASSERT_EQ(assistant().alerts().size(), 2u);
  const sim::office::Assistant::Alert& shown = assistant().alerts()[0];
  EXPECT_EQ(shown.title, "Export Error");
  EXPECT_EQ(shown.text, "Nothing found");
  EXPECT_EQ(shown.buttons, 1);
  EXPECT_EQ(shown.icon, 2);
  EXPECT_EQ(shown.defaultButton, 0);
  EXPECT_EQ(shown.cancelButton, 1);
  EXPECT_FALSE(shown.sysAlert);
  EXPECT_TRUE(system.messageBoxes().empty());
}

TEST_F(OutlookAlert, WithoutAWorkingAssistantShowsTheSameQuestionInAMessageBox) {
  connect();
  assistant().failOn("DoAlert", "Method 'DoAlert' of object 'Assistant' failed");
  system.queueMessageBoxAnswer(kAnswerOk);
  system.queueMessageBoxAnswer(kAnswerCancel);
  EXPECT_EQ(alert(), 1);
  EXPECT_EQ(alert(), 0);

  outlook.application().failOn("Assistant", "Object doesn't support this property or method");
  EXPECT_EQ(alert(), 1);

  ASSERT_EQ(system.messageBoxes().size(), 3u);
  for (const sim::SimSystem::MessageBoxCall& box : system.messageBoxes()) {
    EXPECT_EQ(box.title, "Export Error");
    EXPECT_EQ(box.text, "Nothing found");
    EXPECT_EQ(box.buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(box.icon, platform::MessageIcon::Question) << "the Assistant's query icon";
  }
  EXPECT_TRUE(logMessages().empty()) << "the fallback is no failure";
}

TEST_F(OutlookAlert, OnVersionNineShowsAMessageBoxOverTheLogWindow) {
  outlook.setVersion("9.0.0.2711");
  connect();
  system.queueMessageBoxAnswer(kAnswerCancel);
  EXPECT_EQ(alert(), 0);
  EXPECT_EQ(alert(), 1);
  EXPECT_EQ(system.logWindowShownAtBox, (std::vector<bool>{true, true}));
  ASSERT_TRUE(logWindow());
  EXPECT_FALSE(system.forms().isVisible(*logWindow())) << "hidden again afterwards";
  EXPECT_TRUE(assistant().alerts().empty());
  for (const sim::SimSystem::MessageBoxCall& box : system.messageBoxes()) {
    EXPECT_EQ(box.buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(box.icon, platform::MessageIcon::None) << "a plain box, with no icon";
  }
}

TEST_F(OutlookAlert, OnVersionNineALogWindowLeftOpenStaysOpenWithItsLines) {
  outlook.setVersion("9.0.0.2711");
  connectAndStart();
  logWindow()->call("Show");
  logWindow()->getObject("ButtonHide")->call("Click");
  alert();
  EXPECT_EQ(system.logWindowShownAtBox, std::vector<bool>{true});
  EXPECT_EQ(logMessages(), std::vector<std::string>{"Addin Startup"}) << "hiding cleared nothing";

  logWindow()->call("Show");
  alert();
  EXPECT_TRUE(system.forms().isVisible(*logWindow()));
}

TEST_F(OutlookAlert, MajorVersionIsTheNumberBeforeTheFirstPeriod) {
  connect();
  cAddin& addin = *addinGlobals().gAddin;
  outlook.setVersion("11.0.0.8312");
  EXPECT_EQ(addin.GetOutlookVersion(), 11);
  outlook.setVersion("9.0.0.2711");
  EXPECT_EQ(addin.GetOutlookVersion(), 9);
  outlook.setVersion("16.0.17928.20114");
  EXPECT_EQ(addin.GetOutlookVersion(), 16);

  outlook.setVersion("10.0.2627.1");  // the first version with the Assistant's alert
  addin.OutlookAlert("Quillhour", "Hello");
  EXPECT_EQ(outlook.assistant().alerts().size(), 1u);
  EXPECT_TRUE(system.messageBoxes().empty());
}

TEST_F(OutlookAlert, AnUnboundControllerHasVersionZeroAndShowsNothing) {
  Ref<cAddin> unbound = makeRef<cAddin>();
  EXPECT_EQ(unbound->GetOutlookVersion(), 0);
  EXPECT_EQ(unbound->OutlookAlert("Quillhour", "Hello").value(), 0);
  EXPECT_TRUE(system.messageBoxes().empty());
  EXPECT_TRUE(assistant().alerts().empty());
  EXPECT_FALSE(logWindow());
}

}  // namespace
}  // namespace qh::core::testing
