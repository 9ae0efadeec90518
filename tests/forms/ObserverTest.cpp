// Every change of a control's or a form's state, made by name as the add-in makes it or as a
// user's action, reaches the one observer a window system attaches; reading does not.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingSystem.h"
#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/DatePicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/ListBox.h"
#include "forms/Picture.h"
#include "forms/TextBox.h"

namespace qh::forms {
namespace {

struct Change {
  const char* what;
  std::function<void(Object&)> make;
};

void put(Object& o, const char* name, Variant v) {
  o.put(name, std::move(v));
}

// Runs each change on a control that an observer watches and expects the observer to hear of
// it; then reads every property the changes touched and expects silence.
void expectObserved(Control& control, const std::vector<Change>& changes,
                    const std::vector<const char*>& reads) {
  int heard = 0;
  control.observe([&heard] { ++heard; });
  for (const Change& c : changes) {
    const int before = heard;
    c.make(control);
    EXPECT_GT(heard, before) << control.name() << ": " << c.what;
  }
  const int afterChanges = heard;
  for (const char* name : reads) control.get(name);
  EXPECT_EQ(heard, afterChanges) << control.name() << ": reading changes nothing";
  control.observe(nullptr);
  put(control, "Enabled", false);
  EXPECT_EQ(heard, afterChanges) << control.name() << ": an observer removed hears nothing";
}

TEST(Observer, HearsEveryChangeOfEveryKindOfControl) {
  Label label{"Label1", "Tag:", {0, 0, 100, 100}};
  expectObserved(label,
                 {{"caption", [](Object& o) { put(o, "Caption", "Tags:"); }},
                  {"enabled", [](Object& o) { put(o, "Enabled", false); }},
                  {"visible", [](Object& o) { put(o, "Visible", false); }},
                  {"style", [&](Object&) { label.setStyle(Label::Style::Link); }},
                  {"auto size", [](Object& o) { put(o, "AutoSize", true); }}},
                 {"Caption", "Enabled", "Visible", "AutoSize"});

  Button button{"cmdOK", "OK", {0, 0, 100, 100}, 0};
  expectObserved(button,
                 {{"caption", [](Object& o) { put(o, "Caption", "Close"); }},
                  {"default", [](Object& o) { put(o, "Default", true); }},
                  {"cancel", [](Object& o) { put(o, "Cancel", true); }}},
                 {"Caption", "Default", "Cancel"});
  EXPECT_TRUE(button.isDefault() && button.isCancel());

  CheckBox check{"Check", "Check", {0, 0, 100, 100}, 0};
  expectObserved(check,
                 {{"value", [](Object& o) { put(o, "Value", 1); }},
                  {"user's click", [](Object& o) { o.call("Click"); }},
                  {"caption", [](Object& o) { put(o, "Caption", "Other"); }}},
                 {"Value", "Caption"});

  Frame frame{"Frame1", "", {0, 0, 100, 100}, 0};
  expectObserved(frame, {{"caption", [](Object& o) { put(o, "Caption", "Options"); }}},
                 {"Caption"});

  ComboBox combo{"TagComboBox", {0, 0, 100, 100}, 0};
  expectObserved(combo,
                 {{"add", [](Object& o) { o.call("AddItem", "Admin"); }},
                  {"add again", [](Object& o) { o.call("AddItem", "Support"); }},
                  {"list index", [](Object& o) { put(o, "ListIndex", 1); }},
                  {"text", [](Object& o) { put(o, "Text", "Other"); }},
                  {"same text, no entry",
                   [](Object& o) {
                     put(o, "ListIndex", 0);
                     put(o, "Text", "Admin");
                   }},
                  {"user's choice", [](Object& o) { o.call("Choose", 1); }},
                  {"user's typing", [](Object& o) { o.call("Type", "Typed"); }},
                  {"clear", [](Object& o) { o.call("Clear"); }}},
                 {"Text", "ListCount", "ListIndex"});

  ListBox list{"TagList", {0, 0, 100, 100}, 0, true, ListBox::Selection::Extended};
  expectObserved(list,
                 {{"add", [](Object& o) { o.call("AddItem", "Gamma"); }},
                  {"add sorted", [](Object& o) { o.call("AddItem", "alpha"); }},
                  {"select",
                   [](Object& o) {
                     Args args{Variant(1), Variant(true)};
                     o.invoke("Selected", CallKind::Put, args);
                   }},
                  {"list index", [](Object& o) { put(o, "ListIndex", 0); }},
                  {"remove", [](Object& o) { o.call("RemoveItem", 0); }},
                  {"clear", [](Object& o) { o.call("Clear"); }}},
                 {"ListCount", "ListIndex", "Text"});

  TextBox text{"TagText", {0, 0, 100, 100}, 0};
  expectObserved(text,
                 {{"text", [](Object& o) { put(o, "Text", "Project"); }},
                  {"sel start", [](Object& o) { put(o, "SelStart", 3); }},
                  {"sel length", [](Object& o) { put(o, "SelLength", 2); }},
                  {"user's typing", [](Object& o) { o.call("Type", "X"); }}},
                 {"Text", "SelStart", "SelLength"});

  DatePicker picker{"StartDate", {0, 0, 100, 100}, 0};
  const Date day = Date::fromParts(2026, 12, 7);
  expectObserved(picker,
                 {{"value", [&](Object& o) { put(o, "Value", day); }},
                  {"hour", [](Object& o) { put(o, "Hour", 9); }},
                  {"minute", [](Object& o) { put(o, "Minute", 30); }},
                  {"second", [](Object& o) { put(o, "Second", 15); }},
                  {"min date", [&](Object& o) { put(o, "MinDate", day.addDays(-30)); }},
                  {"max date", [&](Object& o) { put(o, "MaxDate", day.addDays(30)); }},
                  {"user's pick", [&](Object& o) { o.call("Pick", day.addDays(1)); }}},
                 {"Value", "Hour", "MinDate", "MaxDate"});
}

TEST(Observer, HearsTheFormsCaptionAndFocus) {
  fakes::RecordingSystem system;
  struct Dialog : Form {
    explicit Dialog(platform::System& s) : Form(s, "Quillhour", 1000, 1000) { add(box); }
    TextBox box{"TagText", {0, 0, 100, 100}, 0};
  };
  auto dialog = makeRef<Dialog>(system);
  int heard = 0;
  dialog->observe([&heard] { ++heard; });
  dialog->put("Caption", "About Quillhour");
  EXPECT_EQ(heard, 1);
  dialog->box.call("SetFocus");
  EXPECT_EQ(heard, 2);
  EXPECT_EQ(dialog->focusedControl(), &dialog->box);
  dialog->get("Caption");
  EXPECT_EQ(heard, 2);
}

TEST(LineAndPicture, TellTheirPlaceColourAndImage) {
  Line line{"Line1", 1, 5654, 2445, 90, 2445, 0x808080};
  EXPECT_EQ(line.rect().left, 90);
  EXPECT_EQ(line.rect().top, 2445);
  EXPECT_EQ(line.rect().width, 5564);
  EXPECT_EQ(line.rect().height, 0);
  EXPECT_EQ(line.get("Index").toInt32(), 1);
  EXPECT_EQ(line.get("X1").toInt32(), 5654);
  EXPECT_EQ(line.get("BorderColor").toInt32(), 0x808080);
  EXPECT_EQ(line.tabIndex(), -1);

  Picture picture{"picIcon", "AboutPicture", {120, 120, 990, 990}, 1};
  EXPECT_EQ(picture.image(), "AboutPicture");
  EXPECT_STREQ(picture.kind(), "Picture");
}

}  // namespace
}  // namespace qh::forms
