#include "hosts/sim/outlook/AddinLoader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using platform::RegistryRoot;
using testing::OutlookTest;
using Lines = std::vector<std::string>;

// The calls the test module received, one per line (see TestAddin.cpp).
Lines calls(const SimSystem& system) {
  Lines out;
  const std::string text = system.registry()
                               .stringValue(RegistryRoot::CurrentUser, "Software\\QhTest", "Calls")
                               .value_or("");
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    out.push_back(text.substr(start, end - start));
  return out;
}

class AddinLoaderTest : public OutlookTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loader.registerModule(QH_TEST_ADDIN)) << outlook.eventFailures().at(0);
    // Only the accepting add-in loads at start-up unless a test says otherwise.
    system.registry().setDword(RegistryRoot::CurrentUser, addinKey("QhTest.Refusing"),
                               "LoadBehavior", 0);
  }
  static std::string addinKey(const std::string& progId) {
    return std::string(AddinLoader::kAddinsKey) + "\\" + progId;
  }

  AddinLoader loader{system, outlook};
};

TEST_F(AddinLoaderTest, RegistrationWritesTheAddinAndItsClass) {
  EXPECT_EQ(loader.startupAddins(), Lines{"QhTest.Connect"});
  EXPECT_EQ(system.serverPath("QhTest.Connect"), std::string(QH_TEST_ADDIN));
}

TEST_F(AddinLoaderTest, ConnectsStartsAndShutsDownInOutlooksOrder) {
  loader.start();
  EXPECT_EQ(loader.connectedAddins(), Lines{"QhTest.Connect"});
  loader.shutdown();
  EXPECT_EQ(calls(system), (Lines{"OnConnection(Outlook, 1, QhTest.Connect, array(0))",
                                  "OnStartupComplete(array(0))", "OnBeginShutdown(array(0))",
                                  "OnDisconnection(0, array(0))", "Terminate"}));
  EXPECT_TRUE(loader.connectedAddins().empty());
  EXPECT_TRUE(outlook.eventFailures().empty());
}

TEST_F(AddinLoaderTest, HandsTheTaskPaneFactoryOverRightAfterOnConnection) {
  Ref<Object> factory = makeRef<Folder>(WeakLink<Application>(), "PaneFactory", kMailItem);
  AddinLoader withPanes(system, outlook, {Variant::missing(), factory});
  withPanes.connect();
  EXPECT_EQ(calls(system), (Lines{"OnConnection(Outlook, 1, QhTest.Connect, missing)",
                                  "CTPFactoryAvailable(PaneFactory)"}));
}

TEST_F(AddinLoaderTest, AUserUnloadingTheAddinGivesItOnDisconnectionAlone) {
  loader.connect();
  EXPECT_TRUE(loader.unload("QhTest.Connect"));
  EXPECT_FALSE(loader.unload("QhTest.Connect"));
  EXPECT_EQ(calls(system), (Lines{"OnConnection(Outlook, 1, QhTest.Connect, array(0))",
                                  "OnDisconnection(1, array(0))", "Terminate"}));
}

TEST_F(AddinLoaderTest, AConnectionWithoutStartupCompleteCanStillShutDown) {
  loader.connect();
  loader.disconnect();
  EXPECT_EQ(calls(system).size(), 3u);
  EXPECT_EQ(calls(system).back(), "Terminate");
}

TEST_F(AddinLoaderTest, AFailedOnConnectionIsRecordedAndTheAddinDisabled) {
  system.registry().setDword(RegistryRoot::CurrentUser, addinKey("QhTest.Refusing"), "LoadBehavior",
                             3);
  loader.start();
  EXPECT_EQ(outlook.eventFailures(), Lines{"OnConnection: connection refused"});
  EXPECT_EQ(loader.connectedAddins(), Lines{"QhTest.Connect"});
  EXPECT_EQ(system.registry().dwordValue(RegistryRoot::CurrentUser, addinKey("QhTest.Refusing"),
                                         "LoadBehavior"),
            2u);
  const Lines log = calls(system);
  EXPECT_EQ(log.at(2), "Terminate");  // the refusing one ends before anyone else is called
  EXPECT_EQ(log.at(3), "OnStartupComplete(array(0))");
}

TEST_F(AddinLoaderTest, AnAddinWhoseModuleIsMissingIsRecordedAndDisabled) {
  system.registry().setString(RegistryRoot::CurrentUser,
                              "Software\\Classes\\CLSID\\{11111111-0000-0000-0000-000000000001}"
                              "\\InprocServer32",
                              "", "/nonexistent/libGone.so");
  loader.connect();
  ASSERT_EQ(outlook.eventFailures().size(), 1u);
  EXPECT_EQ(outlook.eventFailures()[0].rfind(
                "Load QhTest.Connect: ActiveX component can't create object", 0),
            0u);
  EXPECT_TRUE(loader.startupAddins().empty());
}

TEST_F(AddinLoaderTest, TheModuleFolderIsWhereTheAddinWasLoadedFrom) {
  loader.connect();
  EXPECT_EQ(system.moduleFolder(), std::filesystem::path(QH_TEST_ADDIN).parent_path().string());
  EXPECT_TRUE(system.modules().isLoaded(QH_TEST_ADDIN));
}

TEST_F(AddinLoaderTest, EndingTheLoaderReleasesConnectedAddinsWithoutFurtherCalls) {
  {
    AddinLoader scoped(system, outlook);
    scoped.connect();
  }
  EXPECT_EQ(calls(system),
            (Lines{"OnConnection(Outlook, 1, QhTest.Connect, array(0))", "Terminate"}));
}

}  // namespace
}  // namespace qh::sim::outlook
