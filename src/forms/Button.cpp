#include "forms/Button.h"

namespace qh::forms {

Button::Button(std::string name, std::string caption, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex), caption_(std::move(caption)) {}

void Button::setCaption(std::string c) {
  caption_ = std::move(c);
  changed();
}

void Button::setDefault(bool on) {
  default_ = on;
  changed();
}

void Button::setCancel(bool on) {
  cancel_ = on;
  changed();
}

void Button::click() {
  if (enabled()) runHandler(onClick_);
}

const DispatchTable<Button>& Button::table() {
  static const DispatchTable<Button> t = [] {
    DispatchTable<Button> d;
    d.get("Caption", [](Button& b, Args&) { return Variant(b.caption_); });
    d.put("Caption", [](Button& b, Args& a) {
      b.setCaption(putValue(a).toString());
      return Variant();
    });
    d.get("Default", [](Button& b, Args&) { return Variant(b.default_); });
    d.put("Default", [](Button& b, Args& a) {
      b.setDefault(putValue(a).toBool());
      return Variant();
    });
    d.get("Cancel", [](Button& b, Args&) { return Variant(b.cancel_); });
    d.put("Cancel", [](Button& b, Args& a) {
      b.setCancel(putValue(a).toBool());
      return Variant();
    });
    d.method("Click", [](Button& b, Args&) {
      b.click();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant Button::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
