#pragma once

#include "forms/Control.h"

namespace qh::forms {

// A command button: a caption and a Click. The form's default button is pressed by Enter and
// its cancel button by Escape; one button may be both.
class Button : public Control {
 public:
  Button(std::string name, std::string caption, Rect rect, int tabIndex);

  const char* kind() const override { return "CommandButton"; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  bool isDefault() const { return default_; }
  void setDefault(bool on);
  bool isCancel() const { return cancel_; }
  void setCancel(bool on);

  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }
  // A user's click; a disabled button ignores it.
  void click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Button>& table();
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  ClickHandler onClick_;
};

}  // namespace qh::forms
