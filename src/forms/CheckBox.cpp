#include "forms/CheckBox.h"

namespace qh::forms {

CheckBox::CheckBox(std::string name, std::string caption, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex), caption_(std::move(caption)) {}

void CheckBox::setCaption(std::string c) {
  caption_ = std::move(c);
  changed();
}

void CheckBox::setValue(int value) {
  if (value < kUnchecked || value > kGrayed) throw Error(ErrorCode::InvalidPropertyValue);
  if (value == value_) return;
  value_ = value;
  changed();
  runHandler(onClick_);
}

void CheckBox::click() {
  if (enabled()) setValue(value_ == kChecked ? kUnchecked : kChecked);
}

const DispatchTable<CheckBox>& CheckBox::table() {
  static const DispatchTable<CheckBox> t = [] {
    DispatchTable<CheckBox> d;
    d.get("Caption", [](CheckBox& c, Args&) { return Variant(c.caption_); });
    d.put("Caption", [](CheckBox& c, Args& a) {
      c.setCaption(putValue(a).toString());
      return Variant();
    });
    for (const char* name : {"Value", ""}) {
      d.get(name, [](CheckBox& c, Args&) { return Variant(static_cast<std::int16_t>(c.value_)); });
      d.put(name, [](CheckBox& c, Args& a) {
        c.setValue(putValue(a).toInt32());
        return Variant();
      });
    }
    d.method("Click", [](CheckBox& c, Args&) {
      c.click();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant CheckBox::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
