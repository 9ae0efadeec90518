// The control library as a module: it registers its control under its ProgID and serves it
// to COM activation, and takes the registration away again.
#include <gtest/gtest.h>

#include "hosts/sim/office/InprocActivator.h"
#include "hosts/sim/system/SimSystem.h"
#include "platform/ModuleAbi.h"
#include "tests/support/AddinHostTest.h"

namespace qh::controls {
namespace {

using platform::RegistryRoot;

constexpr const char* kProgId = "QuillhourControls.InspectorPane";

class ControlLibrary : public ::testing::Test {
 protected:
  std::string modulePath() const { return qh::testing::moduleDir() + "/libQuillhourControls.so"; }

  sim::SimSystem system;
};

TEST_F(ControlLibrary, RegistersTheControlForTheCurrentUserAndServesItByProgId) {
  ASSERT_EQ(system.registerServer(modulePath()), 0);
  EXPECT_EQ(system.serverPath(kProgId), modulePath());
  const auto clsid = system.registry().stringValue(
      RegistryRoot::CurrentUser, std::string("Software\\Classes\\") + kProgId + "\\CLSID", "");
  ASSERT_TRUE(clsid);
  EXPECT_TRUE(system.registry().keyExists(RegistryRoot::CurrentUser,
                                          "Software\\Classes\\CLSID\\" + *clsid + "\\Control"));

  Ref<Object> pane = system.createObject(kProgId);
  ASSERT_TRUE(pane);
  Ref<Object> box = pane->getObject("TagComboBox");
  pane->call("FillTagComboBox", StringArray::of({" Support "}));
  EXPECT_EQ(box->get("List", 0).toString(), "Support");
  // Office creates a pane's control by its ProgID or by its class id.
  sim::InprocActivator activator(system, [this](const std::string& path, const char* name) {
    return system.modules().symbol(path, name);
  });
  EXPECT_TRUE(activator.create(kProgId));
  EXPECT_TRUE(activator.create(*clsid));
}

TEST_F(ControlLibrary, UnregisteringRemovesTheProgIdAndTheClass) {
  ASSERT_EQ(system.registerServer(modulePath()), 0);
  auto unregister = reinterpret_cast<QhUnregisterServerFn>(
      system.modules().symbol(modulePath(), kQhUnregisterServerSymbol));
  ASSERT_NE(unregister, nullptr);
  EXPECT_EQ(unregister(&system), 0);
  EXPECT_FALSE(system.serverPath(kProgId));
  EXPECT_TRUE(
      system.registry().subKeyNames(RegistryRoot::CurrentUser, "Software\\Classes\\CLSID").empty());
  EXPECT_THROW(system.createObject(kProgId), Error);
}

}  // namespace
}  // namespace qh::controls
