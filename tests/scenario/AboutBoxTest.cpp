// The About box from an explorer's "About Quillhour" button: its texts, its links and the
// System Info button, with the operating system's answers from the simulated system.
#include <filesystem>
#include <fstream>

#include "about/AboutInfo.h"
#include "tests/support/AddinHostTest.h"
#include "tests/support/HostWindows.h"
#include "tests/support/LogLines.h"

namespace qh::testing {
namespace {

using platform::RegistryRoot;

constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

class AboutBox : public AddinHostTest {
 protected:
  // Starts the add-in with one calendar window and presses "About Quillhour" on it.
  Ref<Object> showAbout() {
    if (!explorer_) {
      explorer_ = outlook().openExplorer(calendar());
      startAddin();
    }
    barButton(*explorer_, "About Quillhour")->click();
    return system().forms().find("About Quillhour");
  }
  std::string text(Object& dialog, const char* control) {
    return dialog.getObject(control)->get("Caption").toString();
  }
  // A file in the test's folder, as a path the add-in would write ("\" as separator).
  std::string makeFile(const std::string& name) {
    std::ofstream(std::filesystem::path(outputDir()) / name) << "MZ";
    return outputDir() + "\\" + name;
  }
  void setMachineString(const char* key, const char* name, const std::string& value) {
    system().registry().setString(RegistryRoot::LocalMachine, key, name, value);
  }
  void pressSystemInfo() { showAbout()->getObject("cmdSysInfo")->call("Click"); }

  void TearDown() override {
    explorer_.reset();
    AddinHostTest::TearDown();
  }

 private:
  Ref<sim::outlook::Explorer> explorer_;
};

TEST_F(AboutBox, ShowsTitleVersionDescriptionAndTheMakersTexts) {
  Ref<Object> dialog = showAbout();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->get("Visible").toBool());
  EXPECT_EQ(text(*dialog, "lblTitle"), "Quillhour");
  EXPECT_EQ(text(*dialog, "lblVersion"), "Version 1.1.0");
  EXPECT_EQ(text(*dialog, "lblDescription"),
            "This Outlook Addin helps you manage your time and project reports.");
  EXPECT_EQ(text(*dialog, "LabelManual"), "Click here to open the User manual (need PDF Reader)");
  EXPECT_EQ(text(*dialog, "LabelWeb"), about::kWebAddress);
  EXPECT_EQ(text(*dialog, "LabelEmail"), about::kSupportAddress);
  EXPECT_EQ(text(*dialog, "lblDisclaimer"), about::kNoticeLine);
  EXPECT_EQ(text(*dialog, "cmdOK"), "OK");
  EXPECT_EQ(text(*dialog, "cmdSysInfo"), "&System Info...");
}

TEST_F(AboutBox, IsOneDialogUntilOkUnloadsItAndShutdownClosesIt) {
  Ref<Object> first = showAbout();
  ASSERT_TRUE(first);
  EXPECT_EQ(showAbout().get(), first.get());
  EXPECT_EQ(dialogsCaptioned(system(), "About Quillhour"), 1);

  first->getObject("cmdOK")->call("Click");
  EXPECT_FALSE(system().forms().find("About Quillhour"));
  Ref<Object> again = showAbout();
  ASSERT_TRUE(again);
  EXPECT_NE(again.get(), first.get()) << "after OK the next show loads a new dialog";

  host().quit();
  EXPECT_FALSE(system().forms().find("About Quillhour"));
}

TEST_F(AboutBox, LinksOpenTheSiteTheMailAddressAndTheManualBesideTheAddin) {
  Ref<Object> dialog = showAbout();
  ASSERT_TRUE(dialog);
  for (const char* link : {"LabelWeb", "LabelEmail", "LabelManual"})
    dialog->getObject(link)->call("Click");

  const auto& opened = system().shellOpens();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].target, about::kWebAddress);
  EXPECT_EQ(opened[1].target, std::string("mailto:") + about::kSupportAddress);
  EXPECT_EQ(opened[2].target, moduleDir() + "\\Quillhour User Manual.pdf");
  for (const auto& open : opened) EXPECT_EQ(open.showCommand, 1) << open.target;
  // No manual is installed beside the test build: the shell fails, and the add-in says nothing.
  EXPECT_EQ(opened[2].result, sim::SimSystem::kShellFileNotFound);
  EXPECT_TRUE(withoutTraces(logMessages()).empty()) << withoutTraces(logMessages()).front();
  EXPECT_TRUE(system().messageBoxes().empty());
  EXPECT_TRUE(system().forms().isVisible(*dialog));
}

TEST_F(AboutBox, TheManualIsOpenedFromTheAddinsOwnFolder) {
  // The add-in's folder as the system reports it, holding an installed manual.
  system().setModuleFolder(outputDir());
  makeFile("Quillhour User Manual.pdf");
  showAbout()->getObject("LabelManual")->call("Click");
  ASSERT_EQ(system().shellOpens().size(), 1u);
  EXPECT_EQ(system().shellOpens()[0].target, outputDir() + "\\Quillhour User Manual.pdf");
  EXPECT_EQ(system().shellOpens()[0].result, sim::SimSystem::kShellOpened);
}

TEST_F(AboutBox, SystemInfoStartsTheToolTheFirstValueNames) {
  // The folder value points elsewhere: the first value wins.
  setMachineString(kToolKey, "PATH", makeFile("msinfo-tool.exe"));
  setMachineString(kToolFolderKey, "MSINFO", outputDir() + "\\elsewhere");
  pressSystemInfo();
  ASSERT_EQ(system().startedPrograms().size(), 1u);
  EXPECT_EQ(system().startedPrograms()[0].path, outputDir() + "\\msinfo-tool.exe");
  EXPECT_EQ(system().startedPrograms()[0].windowState, 1);
  EXPECT_TRUE(system().messageBoxes().empty());
}

TEST_F(AboutBox, SystemInfoFallsBackToTheToolInTheSharedToolsFolder) {
  makeFile("MSINFO32.EXE");
  setMachineString(kToolFolderKey, "MSINFO", outputDir());
  pressSystemInfo();
  ASSERT_EQ(system().startedPrograms().size(), 1u);
  EXPECT_EQ(system().startedPrograms()[0].path, outputDir() + "\\MSINFO32.EXE");
  EXPECT_TRUE(system().messageBoxes().empty());
}

// Where the tool could be and is not.
enum class NoTool { NoValues, FolderWithoutTool, PathToMissingFile };

class AboutBoxWithoutTool : public AboutBox, public ::testing::WithParamInterface<NoTool> {};

TEST_P(AboutBoxWithoutTool, SaysSystemInformationIsUnavailableAndStartsNothing) {
  if (GetParam() == NoTool::FolderWithoutTool)
    setMachineString(kToolFolderKey, "MSINFO", outputDir());
  if (GetParam() == NoTool::PathToMissingFile)
    setMachineString(kToolKey, "PATH", outputDir() + "\\gone.exe");
  pressSystemInfo();
  EXPECT_TRUE(system().startedPrograms().empty());
  ASSERT_EQ(system().messageBoxes().size(), 1u);
  const auto& box = system().messageBoxes()[0];
  EXPECT_EQ(box.text, kUnavailable);
  EXPECT_EQ(box.title, "Quillhour");
  EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
  EXPECT_TRUE(withoutTraces(logMessages()).empty()) << "nothing is logged";
}

INSTANTIATE_TEST_SUITE_P(Missing, AboutBoxWithoutTool,
                         ::testing::Values(NoTool::NoValues, NoTool::FolderWithoutTool,
                                           NoTool::PathToMissingFile));

}  // namespace
}  // namespace qh::testing
