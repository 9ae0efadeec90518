#pragma once

#include "forms/Control.h"

namespace qh::forms {

// A label, or a link label whose Click the form handles.
class Label : public Control {
 public:
  // How the label is drawn: plain text; a heading in a larger, bold font; or a link (blue,
  // underlined, with a pointer of its own).
  enum class Style { Plain, Title, Link };

  Label(std::string name, std::string caption, Rect rect, int tabIndex = -1);

  const char* kind() const override { return "Label"; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  Style style() const { return style_; }
  void setStyle(Style style);
  // Whether the label widens to fit its caption, where its width is too small (its place
  // given is the least it takes).
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }
  void click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Label>& table();
  std::string caption_;
  Style style_ = Style::Plain;
  bool autoSize_ = false;
  ClickHandler onClick_;
};

}  // namespace qh::forms
