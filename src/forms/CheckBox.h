#pragma once

#include <string>

#include "forms/Control.h"

namespace qh::forms {

// A check box: a caption and a Value of 0 (unchecked), 1 (checked) or 2 (grayed).
class CheckBox : public Control {
 public:
  enum State : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

  CheckBox(std::string name, std::string caption, Rect rect, int tabIndex);

  const char* kind() const override { return "CheckBox"; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);

  int value() const { return value_; }
  bool checked() const { return value_ == kChecked; }
  // Raises "Invalid property value" for anything but 0, 1 and 2. As in VB, a change of the
  // value made from code raises Click too.
  void setValue(int value);

  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }
  // The user's click: a checked box becomes unchecked, any other checked, as a two-state box
  // toggles. A disabled box ignores it.
  void click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CheckBox>& table();

  std::string caption_;
  int value_ = kUnchecked;
  ClickHandler onClick_;
};

}  // namespace qh::forms
