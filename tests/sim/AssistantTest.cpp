#include "hosts/sim/office/Assistant.h"

#include <gtest/gtest.h>

namespace qh::sim::office {
namespace {

Variant alert(Assistant& assistant, const std::string& title) {
  return assistant.call("DoAlert", title, "Settings cannot be sent.", 1, 2, 0, 1, false);
}

TEST(Assistant, RecordsEveryArgumentOfDoAlert) {
  auto assistant = makeRef<Assistant>();
  alert(*assistant, "Quillhour");
  ASSERT_EQ(assistant->alerts().size(), 1u);
  const Assistant::Alert& a = assistant->alerts()[0];
  EXPECT_EQ(a.title, "Quillhour");
  EXPECT_EQ(a.text, "Settings cannot be sent.");
  EXPECT_EQ(a.buttons, 1);
  EXPECT_EQ(a.icon, 2);
  EXPECT_EQ(a.defaultButton, 0);
  EXPECT_EQ(a.cancelButton, 1);
  EXPECT_FALSE(a.sysAlert);
}

TEST(Assistant, AnswersFromTheQueueThenOk) {
  auto assistant = makeRef<Assistant>();
  assistant->queueAnswer(2);
  EXPECT_EQ(alert(*assistant, "first").toInt32(), 2);
  EXPECT_EQ(alert(*assistant, "second").toInt32(), Assistant::kAnswerOk);
}

TEST(Assistant, GivesOmittedArgumentsOfficesDefaults) {
  auto assistant = makeRef<Assistant>();
  assistant->call("DoAlert", "Title", "Text");
  const Assistant::Alert& a = assistant->alerts().at(0);
  EXPECT_EQ(a.buttons, 0);
  EXPECT_EQ(a.cancelButton, -1);
  EXPECT_FALSE(a.sysAlert);
  EXPECT_THROW(assistant->call("DoAlert", "Title only"), Error);
}

TEST(Assistant, FailsOnceWhenToldSo) {
  auto assistant = makeRef<Assistant>();
  assistant->failOn("DoAlert", "The assistant is not available", FaultMode::Once);
  try {
    alert(*assistant, "first");
    FAIL() << "DoAlert did not fail";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "The assistant is not available");
    EXPECT_EQ(e.code(), SimObject::kDefaultFaultCode);
  }
  EXPECT_NO_THROW(alert(*assistant, "second"));
  ASSERT_EQ(assistant->alerts().size(), 1u);  // the failed alert was never shown
  EXPECT_EQ(assistant->alerts()[0].title, "second");
}

TEST(Assistant, FailsAlwaysOrOnlyForChosenArguments) {
  auto always = makeRef<Assistant>();
  always->failOn("doalert", "gone");
  EXPECT_THROW(alert(*always, "a"), Error);
  EXPECT_THROW(alert(*always, "b"), Error);

  auto filtered = makeRef<Assistant>();
  filtered->failOn(
      "DoAlert", "no export alerts", FaultMode::Always,
      [](CallKind, const Args& args) { return args.at(0).toString() == "Export Error"; });
  EXPECT_THROW(alert(*filtered, "Export Error"), Error);
  EXPECT_NO_THROW(alert(*filtered, "Quillhour"));
  EXPECT_EQ(filtered->alerts().size(), 1u);
}

}  // namespace
}  // namespace qh::sim::office
