#include "hosts/sim/system/OpenForms.h"

#include <gtest/gtest.h>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {
namespace {

// A dialog as the window system sees one: an object with a Caption.
class FakeForm : public TableObject<FakeForm> {
 public:
  explicit FakeForm(std::string caption) : caption_(std::move(caption)) {}
  static const DispatchTable<FakeForm>& table() {
    static const DispatchTable<FakeForm> t = [] {
      DispatchTable<FakeForm> d;
      d.get("Caption", [](FakeForm& f, Args&) { return Variant(f.caption_); });
      return d;
    }();
    return t;
  }

 private:
  std::string caption_;
};

TEST(OpenForms, KeepShownFormsAliveUntilTheyAreUnloaded) {
  OpenForms forms;
  Ref<FakeForm> form = makeRef<FakeForm>("Export Times");
  FakeForm* raw = form.get();
  forms.shown(*form);
  form.reset();  // the code that showed it lets go; the window system keeps it

  ASSERT_EQ(forms.all().size(), 1u);
  EXPECT_EQ(forms.find("Export Times").get(), raw);
  forms.hidden(*raw);
  EXPECT_FALSE(forms.isVisible(*raw));
  EXPECT_EQ(forms.all().size(), 1u);  // hidden forms stay loaded
  forms.unloaded(*raw);
  EXPECT_TRUE(forms.all().empty());
}

TEST(OpenForms, FindVisibleFormsBeforeHiddenOnesWithTheSameCaption) {
  OpenForms forms;
  auto hidden = makeRef<FakeForm>("Settings");
  auto shown = makeRef<FakeForm>("Settings");
  auto other = makeRef<FakeForm>("About Quillhour");
  forms.shown(*hidden);
  forms.shown(*shown);
  forms.shown(*other);
  forms.hidden(*hidden);

  EXPECT_EQ(forms.find("Settings").get(), shown.get());
  forms.unloaded(*shown);
  EXPECT_EQ(forms.find("Settings").get(), hidden.get());
  EXPECT_FALSE(forms.find("settings"));  // captions compare exactly
  EXPECT_EQ(forms.visible().size(), 1u);
}

TEST(OpenForms, ShowingAFormTwiceListsItOnce) {
  OpenForms forms;
  auto form = makeRef<FakeForm>("Quillhour");
  forms.shown(*form);
  forms.hidden(*form);
  forms.shown(*form);
  EXPECT_EQ(forms.all().size(), 1u);
  EXPECT_TRUE(forms.isVisible(*form));
}

}  // namespace
}  // namespace qh::sim
