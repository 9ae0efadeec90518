#include <gtest/gtest.h>

#include "EventRecorder.h"
#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using sim::testing::EventRecorder;
using testing::OutlookTest;
using Events = std::vector<std::string>;

class ApplicationTest : public OutlookTest {
 protected:
  void SetUp() override { events.listen(*appObject()); }
  Ref<Object> newMail(const std::string& subject) {
    Ref<Object> mail = appObject()->getObject("CreateItem", kMailItem);
    mail->put("Subject", subject);
    return mail;
  }

  EventRecorder events;
};

TEST_F(ApplicationTest, SendRaisesItemSendWithTheItemAndAnUnsetCancel) {
  Ref<Object> mail = newMail("Hello");
  EXPECT_TRUE(outlook.send(dynamic_cast<Item&>(*mail)));
  ASSERT_EQ(events.events(), Events{"ItemSend"});
  const Args& args = events.argsOf(0);
  EXPECT_TRUE(sameObject(args.at(0).toObject().get(), mail.get()));
  EXPECT_EQ(args.at(1), Variant(false));
  EXPECT_EQ(app().sentItems().size(), 1u);
  EXPECT_EQ(outlook.folder(kFolderSentMail).items().size(), 1u);
}

TEST_F(ApplicationTest, AHandlerSettingCancelByReferenceStopsTheSend) {
  events.setAction([](std::string_view, Args& args) { args.at(1) = Variant(true); });
  EventRecorder later;
  later.listen(*appObject());
  Ref<Object> mail = newMail("Quillhour_Settings1_");
  mail->call("Send");                               // as the add-in's own code would
  EXPECT_EQ(later.argsOf(0).at(1), Variant(true));  // later sinks see the set flag
  EXPECT_TRUE(app().sentItems().empty());
  EXPECT_TRUE(outlook.folder(kFolderSentMail).items().empty());
  EXPECT_FALSE(dynamic_cast<Item&>(*mail).sent());
}

TEST_F(ApplicationTest, ASendingHandlerThatFailsIsRecordedAndTheItemStillGoes) {
  events.setAction([](std::string_view, Args&) {
    throw Error(438, "Object doesn't support this property or method");
  });
  Ref<Object> mail = newMail("Hello");
  EXPECT_TRUE(outlook.send(dynamic_cast<Item&>(*mail)));
  EXPECT_EQ(outlook.eventFailures(),
            std::vector<std::string>{"ItemSend: Object doesn't support this property or method"});
}

TEST_F(ApplicationTest, SendingAnOpenItemClosesItsWindow) {
  Ref<AppointmentItem> time = addTime(outlook.calendar(), "Meeting");
  Ref<ItemWindow> inspector = outlook.openInspector(*time);
  EXPECT_TRUE(outlook.send(*time));
  EXPECT_TRUE(inspector->closed());
}

TEST_F(ApplicationTest, StartupAndQuitAreRaisedWhenTheHostSaysSo) {
  outlook.startup();
  outlook.quit();
  EXPECT_EQ(events.events(), (Events{"Startup", "Quit"}));
}

TEST_F(ApplicationTest, VersionIsConfigurable) {
  EXPECT_EQ(appObject()->get("Version").toString(), "16.0.0.0");
  outlook.setVersion("9.0.0.2711");
  EXPECT_EQ(appObject()->get("Version").toString(), "9.0.0.2711");
  EXPECT_EQ(appObject()->get("Name").toString(), "Outlook");
}

TEST_F(ApplicationTest, CreateObjectUsesRegisteredFactoriesWhateverTheCase) {
  Ref<Object> made = makeRef<AppointmentItem>(WeakLink<Application>(), Date());
  int calls = 0;
  outlook.registerCreatable("Excel.Application", [&] {
    ++calls;
    return made;
  });
  EXPECT_TRUE(
      sameObject(appObject()->getObject("CreateObject", "excel.application").get(), made.get()));
  EXPECT_EQ(calls, 1);
}

TEST_F(ApplicationTest, CreateObjectOfAnUnknownProgIdRaisesAsActiveXDoes) {
  try {
    appObject()->call("CreateObject", "Excel.Application");
    FAIL() << "an unknown ProgID was created";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 429);
    EXPECT_EQ(e.description(), "ActiveX component can't create object");
  }
  outlook.registerCreatable("Broken.Thing", [] { return Ref<Object>(); });
  EXPECT_THROW(appObject()->call("CreateObject", "Broken.Thing"), Error);
}

TEST_F(ApplicationTest, TheAssistantIsOneObjectReachedByName) {
  Ref<Object> assistant = appObject()->getObject("Assistant");
  assistant->call("DoAlert", "Quillhour", "Text", 1, 2, 0, 1, false);
  EXPECT_TRUE(sameObject(appObject()->getObject("Assistant").get(), &outlook.assistant()));
  EXPECT_EQ(outlook.assistant().alerts().size(), 1u);
}

}  // namespace
}  // namespace qh::sim::outlook
