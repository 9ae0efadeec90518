#include "hosts/win/platform/ScriptedMessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "hosts/win/platform/Win32System.h"

namespace qh::win::test {
namespace {

// Sets environment variables for one test and takes them away again.
class Environment {
 public:
  ~Environment() {
    for (const wchar_t* name : {L"QH_MESSAGEBOX_ANSWER", L"QH_MESSAGEBOX_LOG"})
      SetEnvironmentVariableW(name, nullptr);
  }
  void set(const wchar_t* name, const std::wstring& value) {
    SetEnvironmentVariableW(name, value.c_str());
  }
};

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ScriptedMessageBoxTest : public ::testing::Test {
 protected:
  ScriptedMessageBoxTest() { std::filesystem::remove(log); }
  ~ScriptedMessageBoxTest() override { std::filesystem::remove(log); }

  Environment environment;
  const std::filesystem::path log = std::filesystem::temp_directory_path() /
                                    ("quillhour-boxes-" + std::to_string(GetCurrentProcessId()));
};

TEST_F(ScriptedMessageBoxTest, TheEnvironmentSwitchesItOnWithAnAnswerAndALog) {
  EXPECT_FALSE(ScriptedMessageBox::fromEnvironment()) << "nothing set: real boxes";
  environment.set(L"QH_MESSAGEBOX_ANSWER", L"3");
  EXPECT_FALSE(ScriptedMessageBox::fromEnvironment()) << "only OK or Cancel are answers";

  environment.set(L"QH_MESSAGEBOX_ANSWER", L"2");
  environment.set(L"QH_MESSAGEBOX_LOG", log.wstring());
  const auto scripted = ScriptedMessageBox::fromEnvironment();
  ASSERT_TRUE(scripted);
  EXPECT_EQ((*scripted)(L"First\u20AC", L"Quillhour", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
  EXPECT_EQ((*scripted)(L"Second", L"Export Error", MB_OK), IDCANCEL);
  EXPECT_EQ(contents(log), "33\tQuillhour\tFirst\xE2\x82\xAC\n0\tExport Error\tSecond\n");
}

TEST_F(ScriptedMessageBoxTest, Win32SystemAsksForOkCancelWithTheQuestionIcon) {
  UINT style = 0;
  std::wstring shownText, shownTitle;
  Win32System system([&](const std::wstring& text, const std::wstring& title, UINT s) {
    shownText = text;
    shownTitle = title;
    style = s;
    return IDOK;
  });
  EXPECT_EQ(system.messageBox("Settings cannot be sent.", "Quillhour",
                              platform::MessageButtons::OkCancel, platform::MessageIcon::Question),
            platform::kAnswerOk);
  EXPECT_EQ(style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(shownText, L"Settings cannot be sent.");
  EXPECT_EQ(shownTitle, L"Quillhour");
}

}  // namespace
}  // namespace qh::win::test
