// Reading one registry value as text, for every kind of value the registry can hand back,
// and for a registry that answers more than it should.
#include <gtest/gtest.h>

#include <algorithm>

#include "about/AboutForm.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::about {
namespace {

using platform::RegistryRoot;
using Value = sim::SimRegistry::Value;

constexpr auto kRoot = static_cast<std::uint32_t>(RegistryRoot::LocalMachine);
constexpr const char* kKey = "SOFTWARE\\Quillhour Test";

// The simulated system, checking what the add-in passes to the registry functions.
class CheckingSystem : public sim::SimSystem {
 public:
  long regOpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                  std::uint32_t access, platform::RegistryKey& key) override {
    EXPECT_EQ(options, 0u);
    EXPECT_EQ(access, 0x20019u) << "KEY_READ, which a user who is no administrator is given";
    return SimSystem::regOpenKey(root, subKey, options, access, key);
  }
  long regQueryValue(platform::RegistryKey key, const std::string& name, std::uint32_t& type,
                     std::uint8_t* data, std::uint32_t& size) override {
    EXPECT_EQ(size, 1024u);
    EXPECT_TRUE(data && std::all_of(data, data + size, [](std::uint8_t b) { return b == 0; }))
        << "a buffer of zeros";
    return SimSystem::regQueryValue(key, name, type, data, size);
  }
};

class GetKeyValue : public ::testing::Test {
 protected:
  void store(std::uint32_t type, std::string bytes) {
    system.registry().setRaw(RegistryRoot::LocalMachine, kKey, "V", Value{type, std::move(bytes)});
  }
  // Reads "V" into a text that held `prior`; answers the result and the text.
  std::pair<bool, std::string> read(const std::string& prior = "prior") {
    std::string text = prior;
    const bool ok = form->GetKeyValue(kRoot, kKey, "V", text);
    EXPECT_EQ(system.registry().openHandleCount(), 0u) << "the key is closed again";
    return {ok, text};
  }
  using Result = std::pair<bool, std::string>;

  CheckingSystem system;
  Ref<AboutForm> form = makeRef<AboutForm>(system);
};

TEST_F(GetKeyValue, ReadsAStringThatFillsTheBufferWithItsTerminator) {
  const std::string text(1023, 'x');
  store(platform::kRegSz, text + '\0');
  EXPECT_EQ(read(), Result(true, text));
}

TEST_F(GetKeyValue, AStringLongerThanTheBufferIsAFailure) {
  store(platform::kRegSz, std::string(1024, 'x') + '\0');
  EXPECT_EQ(read(), Result(false, ""));
  store(platform::kRegSz, std::string(5000, 'x'));
  EXPECT_EQ(read(), Result(false, ""));
}

TEST_F(GetKeyValue, AStringWithoutTerminatorIsReadToTheSizeReturned) {
  store(platform::kRegSz, "abcde");
  EXPECT_EQ(read(), Result(true, "abcde"));
  store(platform::kRegSz, std::string(1024, 'y'));
  EXPECT_EQ(read(), Result(true, std::string(1024, 'y')));
}

TEST_F(GetKeyValue, EmptyValuesReadAsEmptyText) {
  store(platform::kRegSz, "");
  EXPECT_EQ(read(), Result(true, ""));
  store(platform::kRegSz, std::string(1, '\0'));
  EXPECT_EQ(read(), Result(true, ""));
  store(platform::kRegSz, std::string("ab\0\0", 4));
  EXPECT_EQ(read(), Result(true, std::string("ab\0", 3))) << "only one terminator is cut";
}

TEST_F(GetKeyValue, ADwordIsItsBytesInHexFromLastToFirstAfterTheTextItHeld) {
  system.registry().setDword(RegistryRoot::LocalMachine, kKey, "V", 0x12A4B0C7);
  EXPECT_EQ(read(""), Result(true, "&h12A4B0C7"));
  EXPECT_EQ(read("pre"), Result(true, "&hpre12A4B0C7"));
  // 0x0001020F ends in a zero byte, which is cut as if it were a terminator.
  system.registry().setDword(RegistryRoot::LocalMachine, kKey, "V", 0x0001020F);
  EXPECT_EQ(read(""), Result(true, "&h12F"));
  system.registry().setDword(RegistryRoot::LocalMachine, kKey, "V", 0);
  EXPECT_EQ(read(""), Result(true, "&h000"));
}

TEST_F(GetKeyValue, OtherTypesSucceedAndLeaveTheTextAsItWas) {
  for (std::uint32_t type :
       {platform::kRegBinary, platform::kRegExpandSz, platform::kRegMultiSz, platform::kRegNone}) {
    store(type, std::string("\x01\x02\0", 3));
    EXPECT_EQ(read(), Result(true, "prior")) << "type " << type;
  }
}

TEST_F(GetKeyValue, AMissingKeyOrValueIsAFailureWithEmptyText) {
  EXPECT_EQ(read(), Result(false, "")) << "no key";
  store(platform::kRegSz, std::string("x\0", 2));
  std::string text = "prior";
  EXPECT_FALSE(form->GetKeyValue(kRoot, kKey, "Other", text));
  EXPECT_EQ(text, "");
  EXPECT_EQ(system.registry().openHandleCount(), 0u);
}

// A registry that reports success with a size beyond the buffer it was given.
class OverstatingSystem : public sim::SimSystem {
 public:
  long regQueryValue(platform::RegistryKey, const std::string&, std::uint32_t& type,
                     std::uint8_t* data, std::uint32_t& size) override {
    type = reportedType;
    std::fill(data, data + size, static_cast<std::uint8_t>('z'));
    size = 4096;
    return platform::kRegSuccess;
  }
  std::uint32_t reportedType = platform::kRegSz;
};

TEST(GetKeyValueOverstated, NeverReadsPastTheBuffer) {
  OverstatingSystem system;
  system.registry().setString(RegistryRoot::LocalMachine, kKey, "V", "");
  auto form = makeRef<AboutForm>(system);
  std::string text;
  EXPECT_TRUE(form->GetKeyValue(kRoot, kKey, "V", text));
  EXPECT_EQ(text, std::string(1024, 'z'));

  system.reportedType = platform::kRegDword;
  text.clear();
  EXPECT_TRUE(form->GetKeyValue(kRoot, kKey, "V", text));
  std::string hex;
  for (int i = 0; i < 1024; ++i) hex += "7A";  // 'z'
  EXPECT_EQ(text, "&h" + hex);
}

}  // namespace
}  // namespace qh::about
