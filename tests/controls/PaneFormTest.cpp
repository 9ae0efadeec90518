// The pane control: filling its box, and writing the chosen tag into the appointment itself.
#include "controls/PaneForm.h"

#include <gtest/gtest.h>

#include "hosts/sim/system/SimSystem.h"

namespace qh::controls {
namespace {

using Tags = std::vector<std::string>;

// An appointment reduced to its categories, recording each write; reads or writes fail on
// request.
class FakeAppointment : public Object {
 public:
  explicit FakeAppointment(std::string categories) : categories(std::move(categories)) {}
  Variant invoke(std::string_view name, CallKind kind, Args& args) override {
    if (!memberNameEquals(name, "Categories")) throw Error(ErrorCode::NotSupported);
    if (kind != CallKind::Put) {
      if (failReads) throw Error(-2147221233, "The property is unavailable.");
      return Variant(categories);
    }
    writes.push_back(args.back().toString());
    if (failWrites) throw Error(-2147024891, "Access denied.");
    categories = writes.back();
    return {};
  }

  std::string categories;
  Tags writes;
  bool failReads = false;
  bool failWrites = false;
};

class PaneControl : public ::testing::Test {
 protected:
  // The three calls the add-in makes, by name.
  void setUp(const Ref<Object>& item, StringArray tags, const std::string& text) {
    pane->call("SetAppointmentItem", item);
    pane->call("FillTagComboBox", std::move(tags));
    pane->call("SetTagComboBoxText", text);
  }
  forms::ComboBox& box() { return pane->TagComboBox; }

  sim::SimSystem system;
  Ref<InspectorPane> pane = makeRef<InspectorPane>(system);
  Ref<FakeAppointment> item = makeRef<FakeAppointment>("Admin");
};

TEST_F(PaneControl, FillsTheBoxTrimmedInOrderAndReplacesEarlierEntries) {
  pane->call("FillTagComboBox", StringArray::of({"Zeta", " Project A ", "Admin"}));
  EXPECT_EQ(box().items(), (Tags{"Zeta", "Project A", "Admin"}));
  pane->call("FillTagComboBox", StringArray::of({"Only"}));
  EXPECT_EQ(box().items(), Tags{"Only"});
  pane->call("FillTagComboBox", StringArray::of({}));
  EXPECT_EQ(box().items(), Tags{});
  pane->call("FillTagComboBox", StringArray::of({"Only"}));
  pane->call("FillTagComboBox", StringArray{});
  EXPECT_EQ(box().items(), Tags{}) << "an array never sized leaves the box empty";
  EXPECT_THROW(pane->call("FillTagComboBox", Ref<Object>(item)), Error) << "not an array";
}

TEST_F(PaneControl, ShowsTheWholeCategoriesTextWithoutChoosingAnEntry) {
  setUp(item, StringArray::of({"Admin", "Support"}), "Admin, Support");
  EXPECT_EQ(box().text(), "Admin, Support");
  EXPECT_EQ(box().listIndex(), -1);
  EXPECT_TRUE(item->writes.empty());
}

TEST_F(PaneControl, ChoosingAnotherTagReplacesTheCategoriesWithIt) {
  item->categories = "Admin, Support";
  setUp(item, StringArray::of({"Admin", "Support"}), "Admin, Support");
  box().choose(1);
  EXPECT_EQ(item->writes, Tags{"Support"});
  box().choose(1);
  EXPECT_EQ(item->writes, Tags{"Support"}) << "the same tag again writes nothing";
}

TEST_F(PaneControl, TypingOrChoosingAnEmptyEntryOrNoItemWritesNothing) {
  setUp(item, StringArray::of({"", "Support"}), "Admin");
  box().type("Support");
  box().choose(0);
  EXPECT_TRUE(item->writes.empty());

  auto bare = makeRef<InspectorPane>(system);
  bare->call("FillTagComboBox", StringArray::of({"Support"}));
  bare->TagComboBox.choose(0);  // no appointment was set: nothing to write to
  EXPECT_EQ(bare->appointment(), nullptr);
}

TEST_F(PaneControl, AnUnreadableCategoryCountsAsADifferenceAndWriteErrorsAreIgnored) {
  setUp(item, StringArray::of({"Admin"}), "Admin");
  item->failReads = true;
  box().choose(0);
  EXPECT_EQ(item->writes, Tags{"Admin"});
  item->failWrites = true;
  EXPECT_NO_THROW(box().choose(0));
  EXPECT_EQ(item->writes, (Tags{"Admin", "Admin"}));
}

TEST_F(PaneControl, HoldsTheAppointmentUntilItEnds) {
  setUp(item, StringArray::of({"Admin"}), "Admin");
  auto other = makeRef<FakeAppointment>("x");
  pane->call("SetAppointmentItem", Ref<Object>(other));
  EXPECT_EQ(item->refCount(), 1) << "a new item replaces the old one";
  EXPECT_EQ(other->refCount(), 2);
  pane.reset();
  EXPECT_EQ(other->refCount(), 1) << "the control's end lets go of it";
}

TEST_F(PaneControl, IsLaidOutAsAPictureALabelAndTheBox) {
  EXPECT_EQ(pane->clientWidth(), 3705);
  EXPECT_EQ(pane->clientHeight(), 315);
  EXPECT_EQ(pane->Label1.caption(), "Tag:");
  const forms::Rect image = pane->Image1.rect(), label = pane->Label1.rect(), combo = box().rect();
  EXPECT_EQ((std::vector<int>{image.left, image.top, image.width, image.height}),
            (std::vector<int>{15, 15, 270, 270}));
  EXPECT_EQ((std::vector<int>{label.left, label.top, label.width, label.height}),
            (std::vector<int>{360, 45, 375, 255}));
  EXPECT_EQ((std::vector<int>{combo.left, combo.top, combo.width, combo.height}),
            (std::vector<int>{720, 0, 3000, 315}));
  EXPECT_EQ(box().tabIndex(), 0);
}

}  // namespace
}  // namespace qh::controls
