#pragma once

#include <functional>

#include "forms/Button.h"
#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/TextBox.h"

namespace qh::forms::fakes {

// A small dialog in the shape of the add-in's own: controls as members, placed on the form
// in its constructor; it counts its loads and reports its end.
class TestForm : public Form {
 public:
  TestForm(platform::System& system, std::function<void()> onEnd = {})
      : Form(system, "Test Dialog", 3615, 6375), onEnd_(std::move(onEnd)) {
    add(TagList);
    add(TagText);
    add(Save);
  }
  ~TestForm() override {
    if (onEnd_) onEnd_();
  }

  int loads = 0;
  ListBox TagList{"TagList", {240, 360, 3135, 3960}, 2, true, ListBox::Selection::Extended};
  TextBox TagText{"TagText", {240, 4560, 3135, 315}, 3};
  Button Save{"Save", "Save", {1920, 5760, 1335, 375}, 0};

 protected:
  void formLoad() override { ++loads; }

 private:
  std::function<void()> onEnd_;
};

}  // namespace qh::forms::fakes
