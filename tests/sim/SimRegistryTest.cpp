#include "hosts/sim/system/SimRegistry.h"

#include <gtest/gtest.h>

#include <array>

namespace qh::sim {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kClasses = RegistryRoot::ClassesRoot;
const std::string kKey = "Software\\Vendor\\Product";

class SimRegistryQuery : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.setString(kUser, kKey, "Path", "C:\\Tools");  // 8 characters and a terminator
    ASSERT_EQ(registry.openKey(kUser, kKey, key), platform::kRegSuccess);
  }
  void TearDown() override { registry.closeKey(key); }

  SimRegistry registry;
  RegistryKey key = 0;
  std::uint32_t type = 0;
};

TEST_F(SimRegistryQuery, WithoutBufferAnswersTheSizeIncludingTheTerminator) {
  std::uint32_t size = 0;
  EXPECT_EQ(registry.queryValue(key, "Path", type, nullptr, size), platform::kRegSuccess);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(type, platform::kRegSz);
}

TEST_F(SimRegistryQuery, WithTooSmallBufferAnswersMoreDataAndWritesNothing) {
  std::array<std::uint8_t, 8> buffer{};
  buffer.fill('#');
  std::uint32_t size = buffer.size();
  EXPECT_EQ(registry.queryValue(key, "Path", type, buffer.data(), size), platform::kRegMoreData);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(type, platform::kRegSz);
  EXPECT_EQ(buffer[0], '#');
}

TEST_F(SimRegistryQuery, WithRoomCopiesTheBytesAndAnswersTheirCount) {
  std::array<std::uint8_t, 1024> buffer{};
  std::uint32_t size = buffer.size();
  ASSERT_EQ(registry.queryValue(key, "path", type, buffer.data(), size), platform::kRegSuccess);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()), size),
            std::string("C:\\Tools\0", 9));
}

TEST_F(SimRegistryQuery, AnswersStringsStoredWithoutTerminatorAsTheyAre) {
  registry.setRaw(kUser, kKey, "Bare", {platform::kRegSz, "abc"});
  std::uint32_t size = 0;
  registry.queryValue(key, "Bare", type, nullptr, size);
  EXPECT_EQ(size, 3u);
}

TEST_F(SimRegistryQuery, KeepsDwordsAsFourBytesLowFirst) {
  registry.setDword(kUser, kKey, "LoadBehavior", 0x12345678);
  std::array<std::uint8_t, 4> buffer{};
  std::uint32_t size = buffer.size();
  ASSERT_EQ(registry.queryValue(key, "LoadBehavior", type, buffer.data(), size), 0);
  EXPECT_EQ(type, platform::kRegDword);
  EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));
  EXPECT_EQ(registry.setValue(kUser, kKey, "Short", platform::kRegDword, "12"),
            SimRegistry::kInvalidParameter);
}

TEST_F(SimRegistryQuery, FailsAsWin32DoesForMissingValuesKeysAndHandles) {
  std::uint32_t size = 0;
  EXPECT_EQ(registry.queryValue(key, "Missing", type, nullptr, size), platform::kRegFileNotFound);
  EXPECT_EQ(registry.queryValue(key, "", type, nullptr, size), platform::kRegFileNotFound);
  EXPECT_EQ(registry.queryValue(0xBAD, "Path", type, nullptr, size), SimRegistry::kInvalidHandle);
  RegistryKey other = 0;
  EXPECT_EQ(registry.openKey(kUser, "Software\\Nobody", other), platform::kRegFileNotFound);
  EXPECT_EQ(registry.closeKey(0xBAD), SimRegistry::kInvalidHandle);
}

TEST_F(SimRegistryQuery, AnswersKeyDeletedThroughAHandleWhoseKeyWasDeleted) {
  ASSERT_EQ(registry.deleteTree(kUser, "Software\\Vendor"), platform::kRegSuccess);
  std::uint32_t size = 0;
  EXPECT_EQ(registry.queryValue(key, "Path", type, nullptr, size), SimRegistry::kKeyDeleted);
  EXPECT_FALSE(registry.keyExists(kUser, kKey));
  EXPECT_EQ(registry.deleteTree(kUser, "Software\\Vendor"), platform::kRegFileNotFound);
}

TEST(SimRegistry, MatchesNamesWithoutCaseAndKeepsTheirSpelling) {
  SimRegistry registry;
  registry.setString(kUser, "Software\\Addins\\Zeta.Connect", "", "z");
  registry.setString(kUser, "SOFTWARE\\ADDINS\\alpha.Connect", "", "a");
  EXPECT_EQ(registry.stringValue(kUser, "software\\addins\\ZETA.CONNECT", ""), "z");
  EXPECT_EQ(registry.subKeyNames(kUser, "Software\\Addins"),
            (std::vector<std::string>{"alpha.Connect", "Zeta.Connect"}));
}

TEST(SimRegistry, ClassesRootMergesTheUsersClassesOverTheMachines) {
  SimRegistry registry;
  registry.setString(kMachine, "Software\\Classes\\Shared.Class\\CLSID", "", "{machine}");
  registry.setString(kMachine, "Software\\Classes\\Machine.Only\\CLSID", "", "{only}");
  registry.setString(kUser, "Software\\Classes\\Shared.Class\\CLSID", "", "{user}");

  EXPECT_EQ(registry.stringValue(kClasses, "Shared.Class\\CLSID", ""), "{user}");
  EXPECT_EQ(registry.stringValue(kClasses, "Machine.Only\\CLSID", ""), "{only}");
  RegistryKey key = 0;
  EXPECT_EQ(registry.openKey(kClasses, "Machine.Only", key), platform::kRegSuccess);
  EXPECT_EQ(registry.openHandleCount(), 1u);
  registry.closeKey(key);
  EXPECT_EQ(registry.openHandleCount(), 0u);
}

TEST(SimRegistry, DeletingARootsTreeEmptiesIt) {
  SimRegistry registry;
  registry.setString(kUser, "A\\B", "x", "1");
  EXPECT_EQ(registry.deleteTree(kUser, ""), platform::kRegSuccess);
  EXPECT_TRUE(registry.subKeyNames(kUser, "").empty());
}

}  // namespace
}  // namespace qh::sim
