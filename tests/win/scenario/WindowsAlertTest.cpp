// The alert through COM on Windows' own system: when the Office Assistant cannot show it, the
// add-in's DLL shows a standard OK/Cancel box with the question icon (MessageBoxW); on Outlook
// 9 and older, a plain OK/Cancel box. The boxes are scripted here to answer Cancel and to
// record what they were asked (see ScriptedMessageBox).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

class WindowsAlert : public ExplorerHostTest {
 protected:
  void SetUp() override {
    ExplorerHostTest::SetUp();
    boxes_ = std::filesystem::path(outputDir()) / "message-boxes.txt";
    SetEnvironmentVariableW(L"QH_MESSAGEBOX_ANSWER", L"2");
    SetEnvironmentVariableW(L"QH_MESSAGEBOX_LOG", boxes_.wstring().c_str());
    // The add-in's DLL is to run on Windows, not on the simulated system.
    SetEnvironmentVariableW(L"QH_HOST_SYSTEM", nullptr);
    outlook().openExplorer(calendar());
    startAddin();
  }
  void TearDown() override {
    ExplorerHostTest::TearDown();
    SetEnvironmentVariableW(L"QH_MESSAGEBOX_ANSWER", nullptr);
    SetEnvironmentVariableW(L"QH_MESSAGEBOX_LOG", nullptr);
  }
  std::string boxesShown() const {
    std::ifstream in(boxes_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path boxes_;
};

TEST_F(WindowsAlert, WithoutTheAssistantTheRefusalIsAStandardOkCancelQuestionBox) {
  Time settings = storeTagList("Support");
  outlook().assistant().failOn("DoAlert", "The Office Assistant is not installed.");
  EXPECT_FALSE(outlook().send(*settings));
  EXPECT_FALSE(settings->sent());
  // MB_OKCANCEL (1) | MB_ICONQUESTION (0x20)
  EXPECT_EQ(boxesShown(),
            "33\tQuillhour\tSettings cannot be sent. Please Close and Save to store the "
            "settings!\n");
  EXPECT_TRUE(system().messageBoxes().empty()) << "Windows showed it, not the simulation";
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(WindowsAlert, OnOutlookNineTheRefusalIsAPlainOkCancelBox) {
  Time settings = storeTagList("Support");
  outlook().setVersion("9.0.0.2711");
  EXPECT_FALSE(outlook().send(*settings));
  // MB_OKCANCEL (1), no icon
  EXPECT_EQ(boxesShown(),
            "1\tQuillhour\tSettings cannot be sent. Please Close and Save to store the "
            "settings!\n");
  EXPECT_TRUE(outlook().assistant().alerts().empty());
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(WindowsAlert, WithTheAssistantNoBoxIsShown) {
  Time settings = storeTagList("Support");
  EXPECT_FALSE(outlook().send(*settings));
  ASSERT_EQ(outlook().assistant().alerts().size(), 1u);
  EXPECT_EQ(outlook().assistant().alerts()[0].icon, 2) << "the question mark";
  EXPECT_EQ(boxesShown(), "");
}

}  // namespace
}  // namespace qh::testing
