#include "hosts/sim/office/CTPFactory.h"

#include <gtest/gtest.h>

#include <deque>

#include "OfficeTestSupport.h"
#include "hosts/sim/office/CustomTaskPane.h"

namespace qh::sim {
namespace {

using testing::failureOf;
using testing::kDisconnected;
using testing::ProbeControl;

// Two windows and a factory whose controls report their end, one flag per CreateCTP call.
class CTPFactoryTest : public ::testing::Test {
 protected:
  Ref<Object> createPane(const Ref<Object>& parent) {
    return factory->call("CreateCTP", "QuillhourControls.InspectorPane", "Quillhour", parent)
        .toObject();
  }

  std::vector<std::string> requestedIds;
  std::deque<bool> controlEnded;
  bool windowEnded[2] = {false, false};
  Ref<Object> firstWindow = makeRef<ProbeControl>(windowEnded[0]);
  Ref<Object> secondWindow = makeRef<ProbeControl>(windowEnded[1]);
  Ref<CTPFactory> factory = makeRef<CTPFactory>([this](const std::string& axId) {
    requestedIds.push_back(axId);
    return Ref<Object>(new ProbeControl(controlEnded.emplace_back(false)));
  });
};

TEST_F(CTPFactoryTest, CreateCTPCreatesTheControlByItsIdAndAnswersThePane) {
  Ref<Object> pane = createPane(firstWindow);

  EXPECT_EQ(requestedIds, std::vector<std::string>{"QuillhourControls.InspectorPane"});
  ASSERT_EQ(factory->panes().size(), 1u);
  EXPECT_TRUE(sameObject(factory->panes()[0].get(), pane.get()));
  EXPECT_EQ(factory->panes()[0]->title(), "Quillhour");
  EXPECT_FALSE(factory->call("CreateCTP", "A.B", "Untitled").toObject()->getObject("Window"))
      << "the simulated host does not track an active window to parent it to";
}

TEST_F(CTPFactoryTest, AControlThatCannotBeCreatedFailsCreateCTPWithNoPane) {
  Ref<CTPFactory> failing = makeRef<CTPFactory>([](const std::string&) -> Ref<Object> {
    throw Error(static_cast<std::int32_t>(0x80040154u), "Class not registered");
  });
  Ref<CTPFactory> empty = makeRef<CTPFactory>([](const std::string&) { return nullptr; });

  EXPECT_EQ(failureOf([&] { failing->call("CreateCTP", "X.Y", "Quillhour", firstWindow); }),
            "80040154: Class not registered");
  EXPECT_EQ(failureOf([&] { empty->call("CreateCTP", "X.Y", "Quillhour", firstWindow); }),
            "80040111: ClassFactory cannot supply requested class");
  EXPECT_EQ(failureOf([&] { factory->call("CreateCTP", "X.Y"); }), "1C1: Argument not optional");
  EXPECT_TRUE(failing->panes().empty());
  EXPECT_TRUE(empty->panes().empty());
}

TEST_F(CTPFactoryTest, PanesAreFoundByTheirWindowAndCloseWithIt) {
  createPane(firstWindow);
  createPane(secondWindow);
  createPane(firstWindow);

  EXPECT_EQ(factory->panesOf(*firstWindow).size(), 2u);
  factory->closeWindow(*firstWindow);

  EXPECT_TRUE(factory->panesOf(*firstWindow).empty());
  EXPECT_EQ(factory->panesOf(*secondWindow).size(), 1u);
  EXPECT_EQ(controlEnded, (std::deque<bool>{true, false, true}));
  EXPECT_FALSE(windowEnded[0]) << "the test still holds the window";
}

TEST_F(CTPFactoryTest, PanesAnswerTheApplicationTheHostNames) {
  Ref<Object> application = secondWindow;  // any object serves
  factory->setApplicationSource([application] { return application; });

  Ref<Object> pane = createPane(firstWindow);

  EXPECT_TRUE(sameObject(pane->getObject("Application").get(), application.get()));
}

TEST_F(CTPFactoryTest, PanesLeftWhenTheFactoryEndsAreDeleted) {
  Ref<Object> pane = createPane(firstWindow);

  factory.reset();

  EXPECT_EQ(controlEnded, std::deque<bool>{true});
  EXPECT_EQ(failureOf([&] { pane->get("Visible"); }), kDisconnected);
}

}  // namespace
}  // namespace qh::sim
