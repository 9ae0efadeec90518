// The About box's links and System Info when the operating system fails them.
#include <gtest/gtest.h>

#include "about/AboutForm.h"
#include "about/AboutInfo.h"
#include "core/Globals.h"
#include "core/MainForm.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::about {
namespace {

using platform::RegistryRoot;
using Lines = std::vector<std::string>;

// The simulated system with a shell and a module folder that fail, and a program starter
// that records what it is asked to start and every file-existence test.
class FailingShellSystem : public sim::SimSystem {
 public:
  std::int32_t shellOpen(const std::string& target, int) override {
    throw Error(5, "No shell for " + target);
  }
  std::string moduleFolder() override { throw Error(53, "Module path unknown"); }
  bool fileExists(const std::string& path) override {
    existenceTests.push_back(path);
    return SimSystem::fileExists(path);
  }
  void startProgram(const std::string& path, int windowState) override {
    started.push_back(path + " @" + std::to_string(windowState));
  }

  Lines existenceTests;
  Lines started;
};

class AboutLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    core::globals().system = &system;
    system.setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
    form = makeRef<AboutForm>(system);
    form->show();
  }
  void TearDown() override {
    form.reset();
    core::resetGlobals();
    core::globals().system = nullptr;
  }
  Lines logMessages() {
    Lines messages;
    if (core::globals().mainForm)
      for (const std::string& line : core::globals().mainForm->lines())
        messages.push_back(line.substr(line.find(": ") + 2));
    return messages;
  }

  FailingShellSystem system;
  Ref<AboutForm> form;
};

TEST_F(AboutLinks, EveryFailingLinkLogsUnderTheWebLinksTagAndTheDialogStaysOpen) {
  form->LabelWeb.click();
  form->LabelEmail.click();
  form->LabelManual.click();
  EXPECT_EQ(logMessages(),
            (Lines{"LabelWeb_Click:No shell for " + std::string(kWebAddress),
                   "LabelWeb_Click:No shell for mailto:" + std::string(kSupportAddress),
                   "LabelWeb_Click:Module path unknown"}));
  EXPECT_TRUE(form->visible());
  EXPECT_TRUE(system.messageBoxes().empty());
}

TEST_F(AboutLinks, TheFirstRegistryValueIsStartedWithoutTestingTheFile) {
  system.registry().setString(RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                              "C:\\Tools\\msinfo32.exe");
  form->cmdSysInfo.click();
  EXPECT_EQ(system.started, Lines{"C:\\Tools\\msinfo32.exe @1"});
  EXPECT_TRUE(system.existenceTests.empty());
}

TEST_F(AboutLinks, TheSharedToolsFolderIsTestedForTheTool) {
  system.registry().setString(RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\MSINFO");
  form->cmdSysInfo.click();
  EXPECT_EQ(system.existenceTests, Lines{"C:\\MSINFO\\MSINFO32.EXE"});
  EXPECT_TRUE(system.started.empty());
  ASSERT_EQ(system.messageBoxes().size(), 1u);
  EXPECT_EQ(system.messageBoxes()[0].text, "System Information Is Unavailable At This Time");
}

TEST_F(AboutLinks, OkUnloadsTheDialog) {
  form->cmdOK.click();
  EXPECT_TRUE(form->unloaded());
  EXPECT_TRUE(system.forms().all().empty());
}

}  // namespace
}  // namespace qh::about
