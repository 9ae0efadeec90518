// The add-in module as Outlook meets it: registration, connection, start-up and the shutdown
// sequences, each seen in the registry, the windows' bars and the log window.
#include "hosts/sim/outlook/Explorers.h"
#include "tests/support/ExplorerHostTest.h"

namespace qh::testing {
namespace {

using Connection = ExplorerHostTest;
using platform::RegistryRoot;
using Messages = std::vector<std::string>;

constexpr const char* kAddinKey = "Software\\Microsoft\\Office\\Outlook\\Addins\\Quillhour.Connect";

TEST_F(Connection, TheModuleRegistersItselfForOutlookAndUnregistersAgain) {
  ASSERT_TRUE(host().install());
  EXPECT_EQ(system().serverPath("Quillhour.Connect"), host().libraryPath("Quillhour"));
  EXPECT_EQ(system().registry().dwordValue(RegistryRoot::CurrentUser, kAddinKey, "LoadBehavior"),
            3u);

  ASSERT_TRUE(host().uninstall());
  EXPECT_FALSE(system().registry().keyExists(RegistryRoot::CurrentUser, kAddinKey));
  EXPECT_FALSE(system().serverPath("Quillhour.Connect"));
  host().start();
  EXPECT_TRUE(host().loader().connectedAddins().empty());
}

TEST_F(Connection, BeginShutdownTearsDownOnceAndTheLaterCallsChangeNothing) {
  Ref<Explorer> first = outlook().openExplorer(calendar());
  Ref<Explorer> second = outlook().openExplorer(calendar());
  startAddin();
  Ref<sim::CommandBar> firstBar = quillhourBar(*first);
  Ref<sim::CommandBar> secondBar = quillhourBar(*second);
  ASSERT_FALSE(logMessages().empty());

  host().loader().beginShutdown();
  EXPECT_TRUE(firstBar->isDeleted());
  EXPECT_TRUE(secondBar->isDeleted());
  EXPECT_FALSE(system().forms().find("Quillhour")) << "the log window is closed";
  Ref<Explorer> late = outlook().openExplorer(calendar());
  EXPECT_EQ(quillhourBarCount(*late), 0) << "the controller no longer follows Outlook";

  host().loader().disconnect();  // OnDisconnection, then the object is released
  EXPECT_TRUE(host().loader().connectedAddins().empty());
  EXPECT_FALSE(system().forms().find("Quillhour"));
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(Connection, DisconnectionAloneTearsDownWhileOutlookKeepsRunning) {
  Ref<Explorer> explorer = startOnCalendar();
  Ref<sim::CommandBar> bar = quillhourBar(*explorer);
  ASSERT_TRUE(host().loader().unload("Quillhour.Connect"));
  EXPECT_TRUE(bar->isDeleted());
  EXPECT_FALSE(system().forms().find("Quillhour"));

  Time settings = storeTagList("Support");
  EXPECT_TRUE(outlook().send(*settings)) << "no guard is left";
  outlook().openExplorer(calendar());
  EXPECT_TRUE(eventFailures().empty()) << eventFailures().front();
}

TEST_F(Connection, AFailedConnectionGoesBackToOutlookWhichDisablesTheAddin) {
  Ref<Explorer> explorer = outlook().openExplorer(calendar());
  outlook().application().failOn("GetNamespace", "The MAPI logon failed.");
  startAddin();
  EXPECT_EQ(eventFailures(), Messages{"OnConnection: The MAPI logon failed."});
  EXPECT_EQ(system().registry().dwordValue(RegistryRoot::CurrentUser, kAddinKey, "LoadBehavior"),
            2u);
  EXPECT_EQ(quillhourBarCount(*explorer), 0);
  outlook().openExplorer(calendar());
  EXPECT_EQ(eventFailures().size(), 1u);
}

TEST_F(Connection, WithoutStartupCompleteOnlyWindowsOpenedLaterGetABar) {
  Ref<Explorer> early = outlook().openExplorer(calendar());
  ASSERT_TRUE(host().install());
  host().loader().connect();
  Ref<Explorer> later = outlook().openExplorer(calendar());
  EXPECT_EQ(quillhourBarCount(*early), 0);
  EXPECT_TRUE(barShown(*later));
  EXPECT_EQ(logMessages(), Messages{"Addin NewExplorer"});
}

TEST_F(Connection, AFailingWindowEndsStartupAndLeavesTheWindowsAfterItBare) {
  Ref<Explorer> first = outlook().openExplorer(calendar());
  Ref<Explorer> second = outlook().openExplorer(calendar());
  Ref<Explorer> third = outlook().openExplorer(calendar());
  outlook().application().explorers().failOn(
      "Item", "Window is gone", sim::FaultMode::Always,
      [](CallKind, const Args& args) { return args.at(0).toInt32() == 2; });
  startAddin();
  EXPECT_EQ(eventFailures(), Messages{"OnStartupComplete: Window is gone"});
  EXPECT_TRUE(barShown(*first));
  EXPECT_EQ(quillhourBarCount(*second), 0);
  EXPECT_EQ(quillhourBarCount(*third), 0);
}

TEST_F(Connection, AnswersTheRibbonWithEmptyMarkup) {
  startAddin();
  Ref<Object> addin = host().loader().addin("Quillhour.Connect");
  ASSERT_TRUE(addin);
  EXPECT_EQ(addin->call("GetCustomUI", "Microsoft.Outlook.Explorer").toString(), "");
  EXPECT_EQ(addin->call("GetCustomUI", "Microsoft.Outlook.Appointment").toString(), "");
}

TEST_F(Connection, AFactoryThatCannotBeStoredIsLoggedAndTheCallSucceeds) {
  startAddin();
  Ref<Object> addin = host().loader().addin("Quillhour.Connect");
  EXPECT_NO_THROW(addin->call("CTPFactoryAvailable", "no factory"));
  EXPECT_EQ(messagesTagged("ICustomTaskPaneConsumer_CTPFactoryAvailable:"),
            Messages{"ICustomTaskPaneConsumer_CTPFactoryAvailable:Type mismatch"});
}

}  // namespace
}  // namespace qh::testing
