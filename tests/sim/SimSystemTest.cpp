#include "hosts/sim/system/SimSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {
namespace {

namespace fs = std::filesystem;
using platform::MessageButtons;
using platform::MessageIcon;

// A file in a fresh folder, named as the add-in names files: folder + "\" + name.
class SimSystemFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("simsystem-" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder);
    std::ofstream(folder / "Quillhour User Manual.pdf") << "pdf";
  }
  void TearDown() override { fs::remove_all(folder); }
  std::string windowsPath(const std::string& name) const { return folder.string() + "\\" + name; }

  fs::path folder;
  SimSystem system;
};

TEST_F(SimSystemFiles, FindFilesNamedWithBackslashes) {
  EXPECT_TRUE(system.fileExists(windowsPath("Quillhour User Manual.pdf")));
  EXPECT_FALSE(system.fileExists(windowsPath("Quillhour.xlt")));
  EXPECT_FALSE(system.fileExists(folder.string()));  // a folder is no file
}

TEST_F(SimSystemFiles, StartExistingProgramsAndRefuseMissingOnesWithFileNotFound) {
  system.startProgram(windowsPath("Quillhour User Manual.pdf"), 1);
  ASSERT_EQ(system.startedPrograms().size(), 1u);
  EXPECT_EQ(system.startedPrograms()[0].windowState, 1);
  try {
    system.startProgram(windowsPath("MSINFO32.EXE"), 1);
    FAIL() << "a missing program started";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 53);
    EXPECT_EQ(e.description(), "File not found");
  }
  EXPECT_EQ(system.startedPrograms().size(), 1u);
}

TEST_F(SimSystemFiles, ShellOpensAddressesAndPresentFilesButNotMissingFiles) {
  EXPECT_EQ(system.shellOpen("https://example.org/quillhour", 1), SimSystem::kShellOpened);
  EXPECT_EQ(system.shellOpen("mailto:support@example.org", 1), SimSystem::kShellOpened);
  EXPECT_EQ(system.shellOpen(windowsPath("Quillhour User Manual.pdf"), 1), SimSystem::kShellOpened);
  EXPECT_EQ(system.shellOpen(windowsPath("Missing.pdf"), 1), SimSystem::kShellFileNotFound);
  EXPECT_EQ(system.shellOpen("C:\\Missing.pdf", 1), SimSystem::kShellFileNotFound);
  ASSERT_EQ(system.shellOpens().size(), 5u);
  EXPECT_EQ(system.shellOpens()[3].result, SimSystem::kShellFileNotFound);
}

TEST(SimSystem, RecordsMessageBoxesAndAnswersFromTheQueueThenOk) {
  SimSystem system;
  system.queueMessageBoxAnswer(platform::kAnswerCancel);
  EXPECT_EQ(
      system.messageBox("Sure?", "Quillhour", MessageButtons::OkCancel, MessageIcon::Question),
      platform::kAnswerCancel);
  EXPECT_EQ(system.messageBox("Done", "Info", MessageButtons::Ok, MessageIcon::None),
            platform::kAnswerOk);
  ASSERT_EQ(system.messageBoxes().size(), 2u);
  EXPECT_EQ(system.messageBoxes()[0].text, "Sure?");
  EXPECT_EQ(system.messageBoxes()[0].title, "Quillhour");
  EXPECT_EQ(system.messageBoxes()[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(system.messageBoxes()[0].icon, MessageIcon::Question);
}

TEST(SimSystem, AnswersTheValuesATestSets) {
  SimSystem system;
  system.setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
  system.setLocale(Locale::EnGb);
  system.setModuleFolder("/opt/quillhour");
  EXPECT_EQ(system.shortDate(system.now()), "07/12/2026");
  EXPECT_EQ(system.longTime(system.now()), "14:20:00");
  EXPECT_EQ(system.amDesignator(), "am");
  EXPECT_EQ(system.moduleFolder(), "/opt/quillhour");
}

TEST(SimSystem, LetsAUserWhoIsNoAdministratorReadTheMachinesKeysButNotChangeThem) {
  SimSystem system;
  using platform::RegistryRoot;
  system.registry().setString(RegistryRoot::LocalMachine, "SOFTWARE\\Tools", "PATH", "C:\\t.exe");
  system.registry().setString(RegistryRoot::CurrentUser, "Software\\Tools", "PATH", "C:\\t.exe");
  platform::RegistryKey key = 1;
  for (std::uint32_t access : {0x2003Fu, 0x20006u, 0xF003Fu, 0x10000u, 0x20002u}) {
    EXPECT_EQ(system.regOpenKey(RegistryRoot::LocalMachine, "SOFTWARE\\Tools", 0, access, key),
              SimSystem::kAccessDenied)
        << std::hex << access;
    EXPECT_EQ(key, 0u);
  }
  for (std::uint32_t access : {0x20019u, 0x1u, 0x20000u}) {
    ASSERT_EQ(system.regOpenKey(RegistryRoot::LocalMachine, "SOFTWARE\\Tools", 0, access, key),
              platform::kRegSuccess)
        << std::hex << access;
    system.regCloseKey(key);
  }
  // The user's own keys open for changes.
  ASSERT_EQ(system.regOpenKey(RegistryRoot::CurrentUser, "Software\\Tools", 0, 0x2003F, key),
            platform::kRegSuccess);
  system.regCloseKey(key);
}

TEST(SimSystem, CannotCreateObjectsOfUnregisteredClasses) {
  SimSystem system;
  try {
    system.createObject("Nobody.Connect");
    FAIL() << "an unregistered class was created";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 429);
    EXPECT_EQ(e.description(), "ActiveX component can't create object");
  }
  EXPECT_NE(system.lastActivationError().find("Nobody.Connect"), std::string::npos);
}

TEST(SimSystem, RefusesToRegisterAModuleThatCannotBeLoaded) {
  SimSystem system;
  EXPECT_THROW(system.registerServer("/nonexistent/libNothing.so"), Error);
  EXPECT_EQ(system.modules().loadedCount(), 0u);
}

}  // namespace
}  // namespace qh::sim
