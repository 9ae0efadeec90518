#include "forms/Label.h"

namespace qh::forms {

Label::Label(std::string name, std::string caption, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex), caption_(std::move(caption)) {}

void Label::setCaption(std::string c) {
  caption_ = std::move(c);
  changed();
}

void Label::setStyle(Style style) {
  style_ = style;
  changed();
}

void Label::setAutoSize(bool on) {
  autoSize_ = on;
  changed();
}

void Label::click() {
  if (enabled()) runHandler(onClick_);
}

const DispatchTable<Label>& Label::table() {
  static const DispatchTable<Label> t = [] {
    DispatchTable<Label> d;
    d.get("Caption", [](Label& l, Args&) { return Variant(l.caption_); });
    d.put("Caption", [](Label& l, Args& a) {
      l.setCaption(putValue(a).toString());
      return Variant();
    });
    d.get("AutoSize", [](Label& l, Args&) { return Variant(l.autoSize_); });
    d.put("AutoSize", [](Label& l, Args& a) {
      l.setAutoSize(putValue(a).toBool());
      return Variant();
    });
    d.method("Click", [](Label& l, Args&) {
      l.click();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant Label::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
