// The add-in's COM class and Outlook add-in entry, written to and removed from the registry.
#include "core/Registration.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qh::core
