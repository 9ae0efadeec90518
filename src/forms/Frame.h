#pragma once

#include <string>

#include "forms/Control.h"

namespace qh::forms {

// A frame; the dialogs use it as a separator line, so it has a caption and nothing inside.
class Frame : public Control {
 public:
  Frame(std::string name, std::string caption, Rect rect, int tabIndex);

  const char* kind() const override { return "Frame"; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Frame>& table();
  std::string caption_;
};

}  // namespace qh::forms
