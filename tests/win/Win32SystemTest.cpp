#include "hosts/win/platform/Win32System.h"

#include <gtest/gtest.h>

#include <ctime>

#include "automation/Error.h"
#include "hosts/win/automation/WideText.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

// A key of each test's own under the current user (CTest runs tests side by side), removed
// before and after the test.
std::string testKey() {
  return std::string("Software\\QuillhourWinTest.") +
         ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

class Win32SystemTest : public ::testing::Test {
 protected:
  Win32SystemTest() { system.regDeleteTree(RegistryRoot::CurrentUser, ownKey); }
  ~Win32SystemTest() override { system.regDeleteTree(RegistryRoot::CurrentUser, ownKey); }

  // Reads a value the way the About box does: a 1024-byte buffer, then cut to the size.
  std::string read(const std::string& subKey, const std::string& name, std::uint32_t& type) {
    RegistryKey key = 0;
    EXPECT_EQ(system.regOpenKey(RegistryRoot::CurrentUser, subKey, 0, 0x20019, key), 0);
    std::uint8_t buffer[1024] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(system.regQueryValue(key, name, type, buffer, size), 0);
    EXPECT_EQ(system.regCloseKey(key), 0);
    return std::string(reinterpret_cast<const char*>(buffer), size);
  }

  Win32System system;
  const std::string ownKey = testKey();
};

TEST_F(Win32SystemTest, WritesReadsAndDeletesRegistrationValues) {
  const std::string sub = ownKey + "\\CLSID\\InprocServer32";
  ASSERT_EQ(system.regSetValue(RegistryRoot::CurrentUser, sub, "", platform::kRegSz,
                               "C:\\Add-ins\\Quillhour.dll"),
            0);
  ASSERT_EQ(system.regSetValue(RegistryRoot::CurrentUser, sub, "LoadBehavior", platform::kRegDword,
                               std::string("\x03\x00\x00\x00", 4)),
            0);
  std::uint32_t type = 0;
  EXPECT_EQ(read(sub, "", type), std::string("C:\\Add-ins\\Quillhour.dll\0", 25));
  EXPECT_EQ(type, platform::kRegSz);
  EXPECT_EQ(read(sub, "LoadBehavior", type), std::string("\x03\x00\x00\x00", 4));
  EXPECT_EQ(type, platform::kRegDword);

  EXPECT_EQ(system.regDeleteTree(RegistryRoot::CurrentUser, ownKey), 0);
  RegistryKey key = 0;
  EXPECT_EQ(system.regOpenKey(RegistryRoot::CurrentUser, sub, 0, 0x2003F, key),
            platform::kRegFileNotFound);
  EXPECT_NE(system.regDeleteTree(RegistryRoot::CurrentUser, ""), 0);  // never the whole root
}

TEST_F(Win32SystemTest, AQueryTooSmallAnswersMoreDataAndTheSizeNeeded) {
  ASSERT_EQ(system.regSetValue(RegistryRoot::CurrentUser, ownKey, "PATH", platform::kRegSz,
                               "C:\\msinfo32.exe"),
            0);
  RegistryKey key = 0;
  ASSERT_EQ(system.regOpenKey(RegistryRoot::CurrentUser, ownKey, 0, 0x2003F, key), 0);
  std::uint8_t small[4];
  std::uint32_t type = 0, size = sizeof small;
  EXPECT_EQ(system.regQueryValue(key, "PATH", type, small, size), platform::kRegMoreData);
  EXPECT_EQ(size, 16u);
  size = 0;
  EXPECT_EQ(system.regQueryValue(key, "PATH", type, nullptr, size), 0);
  EXPECT_EQ(size, 16u);
  EXPECT_EQ(system.regQueryValue(key, "Missing", type, nullptr, size), platform::kRegFileNotFound);
  system.regCloseKey(key);
}

// A letter beyond ASCII that the ANSI code page has, so that the A function gives it as it is.
std::wstring letterOfTheAnsiCodePage() {
  for (const wchar_t* letter : {L"\u00F6", L"\u0436", L"\u03A9", L"\u65E5"}) {
    BOOL lost = FALSE;
    char ansi[8];
    if (WideCharToMultiByte(CP_ACP, 0, letter, 1, ansi, sizeof ansi, nullptr, &lost) > 0 && !lost)
      return letter;
  }
  return {};
}

TEST_F(Win32SystemTest, TextComesBackAsUtf8AndMustFitTheBufferInThatForm) {
  const std::wstring letter = letterOfTheAnsiCodePage();
  ASSERT_FALSE(letter.empty()) << "code page " << GetACP();
  const std::string utf8 = narrow(letter);
  ASSERT_GT(utf8.size(), 1u);
  const std::string path = "C:\\Zubeh" + utf8 + "r\\msinfo32.exe";
  ASSERT_EQ(system.regSetValue(RegistryRoot::CurrentUser, ownKey, "PATH", platform::kRegSz, path),
            0);
  std::uint32_t type = 0;
  EXPECT_EQ(read(ownKey, "PATH", type), path + '\0');

  // Fits 1024 bytes in the ANSI code page, not in UTF-8: no text cut short.
  std::string longText;
  while (longText.size() < 1024) longText += utf8;
  ASSERT_EQ(
      system.regSetValue(RegistryRoot::CurrentUser, ownKey, "Long", platform::kRegSz, longText), 0);
  RegistryKey key = 0;
  ASSERT_EQ(system.regOpenKey(RegistryRoot::CurrentUser, ownKey, 0, 0x20019, key), 0);
  std::uint8_t buffer[1024] = {};
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(system.regQueryValue(key, "Long", type, buffer, size), platform::kRegMoreData);
  EXPECT_EQ(size, longText.size() + 1);
  size = 0;
  EXPECT_EQ(system.regQueryValue(key, "Long", type, nullptr, size), 0);
  EXPECT_EQ(size, longText.size() + 1);
  system.regCloseKey(key);
}

TEST_F(Win32SystemTest, PredefinedRootsReachTheirHives) {
  RegistryKey key = 0;
  // Present in every Wine prefix and every Windows installation.
  ASSERT_EQ(system.regOpenKey(RegistryRoot::LocalMachine,
                              "Software\\Microsoft\\Windows NT\\CurrentVersion", 0, 0x20019, key),
            0);
  system.regCloseKey(key);
  ASSERT_EQ(system.regOpenKey(RegistryRoot::ClassesRoot, "CLSID", 0, 0x20019, key), 0);
  system.regCloseKey(key);
}

TEST_F(Win32SystemTest, FormatsFollowTheUserLocale) {
  const Date d = Date::fromParts(2026, 11, 29, 14, 20, 5);
  const std::string date = system.shortDate(d);
  for (const char* part : {"2026", "11", "29"})
    EXPECT_NE(date.find(part), std::string::npos) << date;
  EXPECT_EQ(date.find("14"), std::string::npos) << "a short date has no time: " << date;
  const std::string time = system.longTime(d);
  const std::string separator = system.timeSeparator();
  ASSERT_FALSE(separator.empty());
  EXPECT_NE(time.find(separator + "20" + separator + "05"), std::string::npos) << time;
  // The afternoon shows as 14 on a 24-hour clock, or with the PM designator on a 12-hour one.
  const std::string pm = system.pmDesignator();
  EXPECT_TRUE(time.find("14") != std::string::npos ||
              (!pm.empty() && time.find(pm) != std::string::npos))
      << time;
  EXPECT_NE(system.amDesignator(), pm);
}

TEST_F(Win32SystemTest, TheClockIsTheLocalTime) {
  const std::time_t t = std::time(nullptr);
  const std::tm local = *std::localtime(&t);
  const Date expected = Date::fromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                        local.tm_hour, local.tm_min, local.tm_sec);
  EXPECT_NEAR(system.now().serial(), expected.serial(), 5.0 / 86400);
}

TEST_F(Win32SystemTest, FilesAreFoundBesideTheModuleAndProgramsThatAreNotFailToStart) {
  const std::string folder = system.moduleFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(system.fileExists(folder + "\\win_tests.exe"));
  EXPECT_FALSE(system.fileExists(folder + "\\Quillhour User Manual.pdf"));
  EXPECT_FALSE(system.fileExists(folder));  // a folder is not a file
  try {
    system.startProgram(folder + "\\MSINFO32.EXE", 1);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 53);
    EXPECT_EQ(e.description(), "File not found");
  }
  EXPECT_LE(system.shellOpen(folder + "\\Quillhour User Manual.pdf", 1), 32);
}

TEST_F(Win32SystemTest, KeepsLoadedFormsUntilTheyAreUnloaded) {
  const Ref<SampleObject> log = makeRef<SampleObject>("log window");
  const Ref<SampleObject> about = makeRef<SampleObject>("about");
  system.formLoaded(*log);  // loaded hidden, never shown
  system.formShown(*about);
  system.formShown(*about);
  system.formHidden(*about);
  system.formShown(*log);
  ASSERT_EQ(system.openForms().size(), 2u);
  EXPECT_EQ(system.openForms()[0].get(), log.get());
  EXPECT_EQ(about->refCount(), 2);
  system.formUnloaded(*about);
  EXPECT_EQ(system.openForms().size(), 1u);
  EXPECT_EQ(about->refCount(), 1);
}

}  // namespace
}  // namespace qh::win::test
