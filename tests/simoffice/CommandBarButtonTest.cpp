#include "hosts/sim/office/CommandBarButton.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::sim {
namespace {

using testing::EventRecorder;

class CommandBarButtonTest : public ::testing::Test {
 protected:
  CommandBarButtonTest() {
    bar->put("Visible", true);
    button = controls().call("Add", 1).toObject();
    button->put("Caption", "New Time");
  }
  CommandBarControls& controls() { return bars->find("Quillhour")->controls(); }
  CommandBarButton& host() { return *controls().button("New Time"); }

  Ref<CommandBars> bars = makeCommandBars();
  Ref<Object> bar = bars->call("Add", "Quillhour").toObject();
  Ref<Object> button;
};

TEST_F(CommandBarButtonTest, ClickHandsOverTheButtonAndCancelDefaultByReference) {
  Ref<Object> ctrlSeen;
  EventRecorder first([&](Args& args) {
    ctrlSeen = args.at(0).toObject();
    args.at(1) = Variant(true);
  });
  bool cancelSeenBySecond = false;
  EventRecorder second([&](Args& args) { cancelSeenBySecond = args.at(1).toBool(); });
  auto c1 = button->advise(first);
  auto c2 = button->advise(second);

  EXPECT_TRUE(host().click()) << "the host reads CancelDefault back";
  EXPECT_EQ(first.events, std::vector<std::string>{"Click"});
  EXPECT_TRUE(sameObject(ctrlSeen.get(), button.get()));
  EXPECT_TRUE(cancelSeenBySecond);
}

TEST_F(CommandBarButtonTest, AFailingHandlerIsRecordedAndTheOthersStillRun) {
  EventRecorder failing([](Args&) { throw Error(440, "Handler failed"); });
  EventRecorder next;
  auto c1 = button->advise(failing);
  auto c2 = button->advise(next);

  EXPECT_NO_THROW(host().click());

  EXPECT_EQ(next.events, std::vector<std::string>{"Click"});
  EXPECT_EQ(bars->failures().lines(), std::vector<std::string>{"Click: Handler failed"});
}

TEST_F(CommandBarButtonTest, AUserCannotClickWhatIsHiddenDisabledOrGone) {
  EventRecorder recorder;
  auto connection = button->advise(recorder);
  CommandBarButton& target = host();
  const Ref<Object> keep(&target);

  bar->put("Visible", false);
  EXPECT_THROW(target.click(), std::logic_error);
  bar->put("Visible", true);
  button->put("Enabled", false);
  EXPECT_THROW(target.click(), std::logic_error);
  button->put("Enabled", true);
  button->call("Delete");
  EXPECT_THROW(target.click(), std::logic_error);

  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(CommandBarButtonTest, AHandlerMayDeleteTheButtonItWasClickedOn) {
  EventRecorder deleting([](Args& args) { args.at(0).toObject()->call("Delete"); });
  auto connection = button->advise(deleting);
  CommandBarButton* target = &host();
  button.reset();  // only the bar held it

  target->click();

  EXPECT_EQ(controls().get("Count").toInt32(), 0);
  EXPECT_TRUE(bars->failures().lines().empty());
}

}  // namespace
}  // namespace qh::sim
