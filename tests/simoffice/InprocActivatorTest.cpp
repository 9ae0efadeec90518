#include "hosts/sim/office/InprocActivator.h"

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::sim {
namespace {

using platform::RegistryRoot;
using testing::failureOf;

constexpr const char* kProgId = "QhTest.PaneControl";
constexpr const char* kClsid = "{6F1D2C3B-4A59-4E68-9D7C-8B0A1F2E3D4C}";

// The simulated system, whose registry the test fills and whose loader loads the modules.
class InprocActivatorTest : public ::testing::Test {
 protected:
  // Registers the class as a module's registration writes it.
  void registerClass(const std::string& progId, const std::string& modulePath,
                     RegistryRoot root = RegistryRoot::CurrentUser) {
    const std::string classes = "Software\\Classes\\";
    const std::string clsidKey = classes + "CLSID\\" + kClsid;
    system.registry().setString(root, classes + progId + "\\CLSID", "", kClsid);
    system.registry().setString(root, clsidKey + "\\ProgID", "", progId);
    system.registry().setString(root, clsidKey + "\\InprocServer32", "", modulePath);
  }

  SimSystem system;
  InprocActivator activator{system, [this](const std::string& path, const char* name) {
                              return system.modules().symbol(path, name);
                            }};
};

TEST_F(InprocActivatorTest, CreatesARegisteredClassByProgIdOrClsidFromItsModule) {
  registerClass(kProgId, QH_TEST_CONTROL_MODULE);

  Ref<Object> byProgId = activator.create(kProgId);
  Ref<Object> byClsid = activator.create(kClsid);

  EXPECT_EQ(byProgId->get("ProgId").toString(), kProgId);
  EXPECT_TRUE(byProgId->get("GotSystem").toBool());
  EXPECT_EQ(byClsid->get("ProgId").toString(), kProgId) << "the CLSID's ProgID names the class";
  EXPECT_FALSE(sameObject(byProgId.get(), byClsid.get()));
  EXPECT_EQ(system.registry().openHandleCount(), 0u) << "every key opened is closed";
}

TEST_F(InprocActivatorTest, TheUsersRegistrationWinsOverTheMachines) {
  registerClass(kProgId, "/nonexistent/machine-wide.so", RegistryRoot::LocalMachine);
  EXPECT_EQ(failureOf([&] { activator.create(kProgId); }),
            "8007007E: The specified module could not be found.");

  registerClass(kProgId, QH_TEST_CONTROL_MODULE, RegistryRoot::CurrentUser);
  EXPECT_TRUE(activator.create(kProgId));
}

TEST_F(InprocActivatorTest, EachBrokenLinkFailsAsCoCreateInstanceWould) {
  EXPECT_EQ(failureOf([&] { activator.create(kProgId); }), "800401F3: Invalid class string");

  system.registry().setString(RegistryRoot::CurrentUser,
                              std::string("Software\\Classes\\") + kProgId + "\\CLSID", "", kClsid);
  EXPECT_EQ(failureOf([&] { activator.create(kProgId); }), "80040154: Class not registered");

  registerClass(kProgId, "/nonexistent/libQuillhourControls.so");
  EXPECT_EQ(failureOf([&] { activator.create(kProgId); }),
            "8007007E: The specified module could not be found.");

  registerClass(kProgId, QH_TEST_EMPTY_MODULE);
  EXPECT_EQ(failureOf([&] { activator.create(kProgId); }),
            "8007007F: The specified procedure could not be found.");

  registerClass("QhTest.Unserved", QH_TEST_CONTROL_MODULE);
  EXPECT_EQ(failureOf([&] { activator.create("QhTest.Unserved"); }),
            "80040111: ClassFactory cannot supply requested class");
}

TEST_F(InprocActivatorTest, CreateCTPMakesThePaneControlThroughTheRegistry) {
  registerClass(kProgId, QH_TEST_CONTROL_MODULE);
  Ref<CTPFactory> factory =
      makeRef<CTPFactory>([this](const std::string& axId) { return activator.create(axId); });
  bool windowEnded = false;
  Ref<Object> window = makeRef<testing::ProbeControl>(windowEnded);

  Ref<Object> pane = factory->call("CreateCTP", kProgId, "Quillhour", window).toObject();

  EXPECT_EQ(pane->getObject("ContentControl")->get("ProgId").toString(), kProgId);
  EXPECT_EQ(failureOf([&] {
              factory->call("CreateCTP", "QuillhourControls.InspectorPane", "Quillhour", window);
            }),
            "800401F3: Invalid class string");
  EXPECT_EQ(factory->panes().size(), 1u);
}

}  // namespace
}  // namespace qh::sim
