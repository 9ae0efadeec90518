// The add-in's DLL on a test host's system: SystemProxy over SystemObject over the simulated
// system, once in one piece and once across real IDispatch, as the Windows test program runs.
#include "hosts/win/platform/SystemProxy.h"

#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/platform/SystemObject.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

enum class Road { Direct, ThroughCom };

class SystemProxyTest : public ::testing::TestWithParam<Road> {
 protected:
  Ref<Object> systemObject() {
    Ref<Object> exposed = makeRef<SystemObject>(sim);
    if (GetParam() == Road::Direct) return exposed;
    return makeRef<DispatchObject>(addinSide, hostSide->dispatchFor(*exposed));
  }
  // Reads a value as the About box does: ask the size, then read into a buffer that fits.
  std::string read(const std::string& subKey, const std::string& name, std::uint32_t& type) {
    RegistryKey key = 0;
    EXPECT_EQ(proxy.regOpenKey(RegistryRoot::CurrentUser, subKey, 0, 0x2003F, key), 0);
    std::uint32_t size = 0;
    EXPECT_EQ(proxy.regQueryValue(key, name, type, nullptr, size), 0);
    std::string bytes(size, '\0');
    EXPECT_EQ(
        proxy.regQueryValue(key, name, type, reinterpret_cast<std::uint8_t*>(bytes.data()), size),
        0);
    EXPECT_EQ(proxy.regCloseKey(key), 0);
    return bytes;
  }

  // The two modules' bridges: what crosses is wrapped on the other side, never unwrapped.
  std::shared_ptr<ObjectBridge> hostSide = ObjectBridge::create();
  std::shared_ptr<ObjectBridge> addinSide = ObjectBridge::create();
  sim::SimSystem sim;
  SystemProxy proxy{systemObject()};
};

TEST_P(SystemProxyTest, TheClockAndTheRegionalFormatsAreTheOtherSide) {
  const Date now = Date::fromParts(2026, 12, 7, 14, 20, 5);
  sim.setNow(now);
  EXPECT_EQ(proxy.now(), now);
  EXPECT_EQ(proxy.shortDate(now), sim.shortDate(now));
  EXPECT_EQ(proxy.longTime(now), sim.longTime(now));
  EXPECT_EQ(proxy.timeSeparator(), sim.timeSeparator());
  EXPECT_EQ(proxy.amDesignator(), sim.amDesignator());
  EXPECT_EQ(proxy.pmDesignator(), sim.pmDesignator());
  // Words in the order of the locale, letter case not counting.
  EXPECT_LT(proxy.compareText("\xC3\x84rger", "zeta"), 0);
  EXPECT_EQ(proxy.compareText("\xC3\x89clair", "\xC3\xA9clair"), 0);
  sim.setModuleFolder("C:\\Program Files\\Quillhour");
  EXPECT_EQ(proxy.moduleFolder(), "C:\\Program Files\\Quillhour");
}

TEST_P(SystemProxyTest, AMessageBoxArrivesWholeAndItsAnswerComesBack) {
  sim.queueMessageBoxAnswer(platform::kAnswerCancel);
  EXPECT_EQ(proxy.messageBox("Settings cannot be sent.", "Quillhour",
                             platform::MessageButtons::OkCancel, platform::MessageIcon::Question),
            platform::kAnswerCancel);
  ASSERT_EQ(sim.messageBoxes().size(), 1u);
  const auto& box = sim.messageBoxes()[0];
  EXPECT_EQ(box.text, "Settings cannot be sent.");
  EXPECT_EQ(box.title, "Quillhour");
  EXPECT_EQ(box.buttons, platform::MessageButtons::OkCancel);
  EXPECT_EQ(box.icon, platform::MessageIcon::Question);
}

TEST_P(SystemProxyTest, RegistryValuesCrossByteForByte) {
  const std::string key = "Software\\Quillhour\\Proxy";
  const std::string binary("\x00\xFF\x7F\x80", 4);
  ASSERT_EQ(
      proxy.regSetValue(RegistryRoot::CurrentUser, key, "Binary", platform::kRegBinary, binary), 0);
  ASSERT_EQ(proxy.regSetValue(RegistryRoot::CurrentUser, key, "", platform::kRegSz,
                              "Z:\\Qu\xC3\xAFllhour"),
            0);
  std::uint32_t type = 0;
  EXPECT_EQ(read(key, "Binary", type), binary);
  EXPECT_EQ(type, platform::kRegBinary);
  EXPECT_EQ(read(key, "", type), std::string("Z:\\Qu\xC3\xAFllhour") + '\0');
  EXPECT_EQ(type, platform::kRegSz);

  RegistryKey handle = 0;
  ASSERT_EQ(proxy.regOpenKey(RegistryRoot::CurrentUser, key, 0, 0x2003F, handle), 0);
  std::uint8_t small[2] = {};
  std::uint32_t size = sizeof small;
  EXPECT_EQ(proxy.regQueryValue(handle, "Binary", type, small, size), platform::kRegMoreData);
  EXPECT_EQ(size, 4u);
  proxy.regCloseKey(handle);

  EXPECT_EQ(proxy.regDeleteTree(RegistryRoot::CurrentUser, key), 0);
  EXPECT_EQ(proxy.regOpenKey(RegistryRoot::CurrentUser, key, 0, 0x2003F, handle),
            platform::kRegFileNotFound);
}

TEST_P(SystemProxyTest, FilesProgramsAndTheShellAreTheOtherSide) {
  EXPECT_FALSE(proxy.fileExists("Z:\\nowhere\\Quillhour.xlt"));
  EXPECT_EQ(proxy.shellOpen("https://quillhour.example.org", 1), sim::SimSystem::kShellOpened);
  ASSERT_EQ(sim.shellOpens().size(), 1u);
  EXPECT_EQ(sim.shellOpens()[0].target, "https://quillhour.example.org");
  try {
    proxy.startProgram("Z:\\nowhere\\MSINFO32.EXE", 1);
    FAIL() << "a missing program cannot start";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), static_cast<std::int32_t>(ErrorCode::FileNotFound));
    EXPECT_EQ(e.description(), Error::describe(ErrorCode::FileNotFound));
  }
}

TEST_P(SystemProxyTest, AFormIsTheSameFormEachTimeItCrosses) {
  auto form = makeRef<SampleObject>("Quillhour");
  proxy.formLoaded(*form);
  proxy.formShown(*form);
  Ref<Object> found = sim.forms().visible().at(0);
  EXPECT_EQ(found->get("Name"), Variant("Quillhour"));
  proxy.formHidden(*form);
  EXPECT_TRUE(sim.forms().visible().empty());
  proxy.formUnloaded(*form);
  EXPECT_TRUE(sim.forms().all().empty()) << "the unloaded form is recognised and let go";
}

INSTANTIATE_TEST_SUITE_P(Roads, SystemProxyTest, ::testing::Values(Road::Direct, Road::ThroughCom),
                         [](const auto& info) {
                           return info.param == Road::Direct ? "Direct" : "ThroughCom";
                         });

}  // namespace
}  // namespace qh::win::test
