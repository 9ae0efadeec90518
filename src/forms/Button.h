#pragma once

#include "forms/Control.h"

namespace qh::forms {

// A command button: a caption and a Click.
class Button : public Control {
 public:
  Button(std::string name, std::string caption, Rect rect, int tabIndex);

  const char* kind() const override { return "CommandButton"; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c) { caption_ = std::move(c); }

  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }
  // A user's click; a disabled button ignores it.
  void click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Button>& table();
  std::string caption_;
  ClickHandler onClick_;
};

}  // namespace qh::forms
