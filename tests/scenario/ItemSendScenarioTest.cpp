// The guard that keeps the hidden settings item from being sent, and the alert it shows.
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using Messages = std::vector<std::string>;

constexpr const char* kRefusal =
    "Settings cannot be sent. Please Close and Save to store the settings!";

class ItemSend : public ExplorerHostTest {
 protected:
  void SetUp() override {
    ExplorerHostTest::SetUp();
    startOnCalendar();
  }
  sim::office::Assistant& assistant() { return outlook().assistant(); }
};

TEST_F(ItemSend, TheSettingsItemIsKeptBackWithTheAssistantsQueryAlert) {
  Time settings = storeTagList("Support");
  EXPECT_FALSE(outlook().send(*settings));
  EXPECT_FALSE(settings->sent());

  const Messages log = logMessages();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(Messages(log.end() - 2, log.end()),
            (Messages{"Addin: OutlookInstance_ItemSend",
                      "Addin: Prohibited Quillhour Settings to be sent"}));
  ASSERT_EQ(assistant().alerts().size(), 1u);
  const sim::office::Assistant::Alert& alert = assistant().alerts()[0];
  EXPECT_EQ(alert.title, "Quillhour");
  EXPECT_EQ(alert.text, kRefusal);
  EXPECT_EQ(alert.buttons, 1);        // OK and Cancel
  EXPECT_EQ(alert.icon, 2);           // the question mark
  EXPECT_EQ(alert.defaultButton, 0);  // OK
  EXPECT_EQ(alert.cancelButton, 1);   // the second button cancels
  EXPECT_FALSE(alert.sysAlert);
  EXPECT_TRUE(system().messageBoxes().empty());
}

TEST_F(ItemSend, AnsweringCancelStillKeepsTheItemBack) {
  assistant().queueAnswer(2);
  Time settings = storeTagList("Support");
  EXPECT_FALSE(outlook().send(*settings));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(ItemSend, EveryOtherSubjectIsSentEvenOneDifferingOnlyInCase) {
  for (const char* subject : {"quillhour_settings1_", "Quillhour_Settings1_ ", "Weekly report"}) {
    SCOPED_TRACE(subject);
    Ref<sim::outlook::Item> mail = outlook().application().createItem(sim::outlook::kMailItem);
    mail->setValue("Subject", subject);
    EXPECT_TRUE(outlook().send(*mail));
    EXPECT_EQ(logMessages().back(), "Addin: OutlookInstance_ItemSend");
  }
  EXPECT_TRUE(assistant().alerts().empty());
}

TEST_F(ItemSend, AnUnreadableSubjectGoesBackToOutlookWhichSendsTheItem) {
  Time settings = storeTagList("Support");
  settings->failOn("Subject", "The item is busy.");
  EXPECT_TRUE(outlook().send(*settings));
  EXPECT_EQ(eventFailures(), Messages{"ItemSend: The item is busy."});
  EXPECT_TRUE(assistant().alerts().empty());
}

TEST_F(ItemSend, WithoutAWorkingAssistantTheAlertIsAStandardMessageBox) {
  assistant().failOn("DoAlert", "The Office Assistant is not installed.");
  Time settings = storeTagList("Support");
  EXPECT_FALSE(outlook().send(*settings));
  ASSERT_EQ(system().messageBoxes().size(), 1u);
  const sim::SimSystem::MessageBoxCall& box = system().messageBoxes()[0];
  EXPECT_EQ(box.title, "Quillhour");
  EXPECT_EQ(box.text, kRefusal);
  EXPECT_EQ(box.buttons, platform::MessageButtons::OkCancel);
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

class ItemSendOnOutlook2000 : public ItemSend {
 protected:
  sim::SimHost::Options hostOptions() const override {
    sim::SimHost::Options options = ItemSend::hostOptions();
    options.outlookVersion = "9.0.0.2711";
    return options;
  }
};

TEST_F(ItemSendOnOutlook2000, TheAlertIsAMessageBoxAndTheLogWindowIsHiddenAgain) {
  Time settings = storeTagList("Support");
  EXPECT_FALSE(outlook().send(*settings));
  ASSERT_EQ(system().messageBoxes().size(), 1u);
  EXPECT_EQ(system().messageBoxes()[0].text, kRefusal);
  EXPECT_EQ(system().messageBoxes()[0].buttons, platform::MessageButtons::OkCancel);
  EXPECT_TRUE(assistant().alerts().empty());
  Ref<Object> logWindow = system().forms().find("Quillhour");
  ASSERT_TRUE(logWindow);
  EXPECT_FALSE(system().forms().isVisible(*logWindow));
}

}  // namespace
}  // namespace qh::testing
