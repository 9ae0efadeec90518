// The test host's copy of a registry subtree: what a module registered, read from Windows'
// registry and written into another (the simulated one here), value for value.
#include "hosts/win/testhost/RegistryTree.h"

#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"
#include "hosts/win/platform/Win32System.h"

namespace qh::win::test {
namespace {

using platform::RegistryRoot;

class RegistryTreeTest : public ::testing::Test {
 protected:
  RegistryTreeTest() { windows.regDeleteTree(RegistryRoot::CurrentUser, kRoot); }
  ~RegistryTreeTest() override { windows.regDeleteTree(RegistryRoot::CurrentUser, kRoot); }

  static constexpr const char* kRoot = "Software\\QuillhourWinTest.RegistryTree";
  Win32System windows;
  sim::SimSystem simulated;
};

TEST_F(RegistryTreeTest, EveryValueBelowTheRootIsCopiedWithItsType) {
  const std::string root = kRoot;
  const std::string dword("\x03\x00\x00\x00", 4);
  windows.regSetValue(RegistryRoot::CurrentUser, root + "\\Quillhour.Connect", "", platform::kRegSz,
                      "Quillhour Connect");
  windows.regSetValue(RegistryRoot::CurrentUser, root + "\\Quillhour.Connect\\CLSID", "",
                      platform::kRegSz, "{CD9A9032-D74E-4F77-8EF5-4DDCF7DE99D8}");
  windows.regSetValue(RegistryRoot::CurrentUser, root + "\\Addin", "LoadBehavior",
                      platform::kRegDword, dword);
  windows.regSetValue(RegistryRoot::CurrentUser, root + "\\Addin", "Path", platform::kRegSz,
                      "Z:\\Qu\xC3\xAFllhour");

  const RegistryTree tree =
      RegistryTree::read(HKEY_CURRENT_USER, L"Software\\QuillhourWinTest.RegistryTree");
  EXPECT_EQ(tree.keys(),
            (std::vector<std::string>{"Addin", "Quillhour.Connect", "Quillhour.Connect\\CLSID"}))
      << "parents come before their children";
  ASSERT_EQ(tree.writeTo(simulated, RegistryRoot::CurrentUser, "Software\\Copy"), 0);

  const sim::SimRegistry& copy = simulated.registry();
  EXPECT_EQ(
      copy.stringValue(RegistryRoot::CurrentUser, "Software\\Copy\\Quillhour.Connect\\CLSID", ""),
      "{CD9A9032-D74E-4F77-8EF5-4DDCF7DE99D8}");
  EXPECT_EQ(copy.dwordValue(RegistryRoot::CurrentUser, "Software\\Copy\\Addin", "LoadBehavior"),
            3u);
  EXPECT_EQ(copy.stringValue(RegistryRoot::CurrentUser, "Software\\Copy\\Addin", "Path"),
            "Z:\\Qu\xC3\xAFllhour")
      << "text arrives without its terminator and in UTF-8";
}

TEST_F(RegistryTreeTest, AnAbsentKeyIsAnEmptyTree) {
  const RegistryTree tree =
      RegistryTree::read(HKEY_CURRENT_USER, L"Software\\QuillhourWinTest.Nowhere");
  EXPECT_TRUE(tree.values().empty());
  EXPECT_EQ(tree.writeTo(simulated, RegistryRoot::CurrentUser, "Software\\Copy"), 0);
  EXPECT_FALSE(simulated.registry().keyExists(RegistryRoot::CurrentUser, "Software\\Copy"));
}

}  // namespace
}  // namespace qh::win::test
