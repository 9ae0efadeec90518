// The add-in's COM class and Outlook add-in entry, written to and removed from the registry.
#include "core/Registration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/ControlsRegistration.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::core {
namespace {

using platform::RegistryRoot;

constexpr const char* kModule = "/opt/quillhour/libQuillhour.so";
constexpr const char* kAddinKey = "Software\\Microsoft\\Office\\Outlook\\Addins\\Quillhour.Connect";

class Registration : public ::testing::Test {
 protected:
  std::optional<std::string> classesValue(const std::string& key, const std::string& name = "") {
    return system.registry().stringValue(RegistryRoot::ClassesRoot, key, name);
  }

  sim::SimSystem system;
};

TEST_F(Registration, MakesTheProgIdCreatableFromTheModule) {
  ASSERT_EQ(RegisterAddin(system, kModule), 0);
  const std::optional<std::string> clsid = classesValue("Quillhour.Connect\\CLSID");
  ASSERT_TRUE(clsid);
  EXPECT_EQ(clsid->size(), 38u) << *clsid;
  EXPECT_EQ(classesValue("CLSID\\" + *clsid + "\\InprocServer32"), kModule);
  EXPECT_EQ(classesValue("CLSID\\" + *clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
  EXPECT_EQ(classesValue("CLSID\\" + *clsid + "\\ProgID"), "Quillhour.Connect");
  EXPECT_EQ(system.serverPath("Quillhour.Connect"), kModule);
  EXPECT_FALSE(system.registry().keyExists(RegistryRoot::LocalMachine,
                                           "Software\\Classes\\CLSID\\" + *clsid))
      << "registered for the current user only";
}

TEST_F(Registration, EntersTheAddinForOutlookToLoadAtEveryStart) {
  ASSERT_EQ(RegisterAddin(system, kModule), 0);
  const sim::SimRegistry& registry = system.registry();
  EXPECT_EQ(registry.stringValue(RegistryRoot::CurrentUser, kAddinKey, "FriendlyName"),
            "Quillhour");
  EXPECT_EQ(registry.stringValue(RegistryRoot::CurrentUser, kAddinKey, "Description"),
            "Outlook time and project reporting");
  const auto loadBehavior = registry.value(RegistryRoot::CurrentUser, kAddinKey, "LoadBehavior");
  ASSERT_TRUE(loadBehavior);
  EXPECT_EQ(loadBehavior->type, platform::kRegDword);
  EXPECT_EQ(registry.dwordValue(RegistryRoot::CurrentUser, kAddinKey, "LoadBehavior"), 3u);
}

TEST_F(Registration, UnregisteringRemovesEverythingAndMayBeRepeated) {
  ASSERT_EQ(RegisterAddin(system, kModule), 0);
  const std::string clsid = classesValue("Quillhour.Connect\\CLSID").value_or("");
  EXPECT_EQ(UnregisterAddin(system), 0);
  EXPECT_FALSE(system.registry().keyExists(RegistryRoot::CurrentUser, kAddinKey));
  EXPECT_FALSE(system.registry().keyExists(RegistryRoot::ClassesRoot, "Quillhour.Connect"));
  EXPECT_FALSE(system.registry().keyExists(RegistryRoot::ClassesRoot, "CLSID\\" + clsid));
  EXPECT_TRUE(system.registry().keyExists(RegistryRoot::CurrentUser,
                                          "Software\\Microsoft\\Office\\Outlook\\Addins"))
      << "other add-ins' entries stay";
  EXPECT_EQ(UnregisterAddin(system), 0);
}

// Unregistering and the installer's removal take away the keys a list owns: every value it
// writes must lie below one of them, or it would be left behind.
TEST_F(Registration, EveryListedValueGoesWithTheKeysItsModuleOwns) {
  const std::vector<platform::RegistrySet> lists = {addinRegistration(kModule),
                                                    controls::controlsRegistration(kModule, 32),
                                                    controls::controlsRegistration(kModule, 64)};
  for (const platform::RegistrySet& list : lists) {
    for (const platform::RegistryEntry& value : list.values) {
      const bool owned = std::any_of(list.ownKeys.begin(), list.ownKeys.end(), [&](auto& key) {
        return value.key == key || value.key.starts_with(key + "\\");
      });
      EXPECT_TRUE(owned) << value.key;
    }
    ASSERT_EQ(platform::writeRegistrySet(system, list), 0);
    EXPECT_EQ(platform::removeRegistrySet(system, list), 0);
    // What is left below the current user's classes and add-ins: empty containers at most.
    const std::vector<std::string> containers = {"CLSID", "Interface", "TypeLib"};
    const sim::SimRegistry& registry = system.registry();
    for (const std::string& key :
         registry.subKeyNames(RegistryRoot::CurrentUser, "Software\\Classes"))
      EXPECT_THAT(containers, ::testing::Contains(key));
    for (const std::string& container : containers)
      EXPECT_THAT(
          registry.subKeyNames(RegistryRoot::CurrentUser, "Software\\Classes\\" + container),
          ::testing::IsEmpty());
    EXPECT_THAT(registry.subKeyNames(RegistryRoot::CurrentUser,
                                     "Software\\Microsoft\\Office\\Outlook\\Addins"),
                ::testing::IsEmpty());
  }
}

TEST_F(Registration, TheControlsTypeLibraryIsRegisteredForTheModulesPlatform) {
  const auto pathKeys = [](int pointerBits) {
    std::vector<std::string> keys;
    for (const auto& v : controls::controlsRegistration(kModule, pointerBits).values)
      if (v.data == kModule) keys.push_back(v.key);
    return keys;
  };
  const std::string library =
      "Software\\Classes\\TypeLib\\{2D5AA693-2408-405F-9058-E9C5B5C57E60}\\1.0\\0\\";
  EXPECT_THAT(pathKeys(32), ::testing::Contains(library + "win32"));
  EXPECT_THAT(pathKeys(64), ::testing::Contains(library + "win64"));
  EXPECT_THAT(pathKeys(64), ::testing::Not(::testing::Contains(library + "win32")));
}

}  // namespace
}  // namespace qh::core
