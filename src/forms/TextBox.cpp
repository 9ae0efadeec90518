#include "forms/TextBox.h"

#include <algorithm>

namespace qh::forms {

TextBox::TextBox(std::string name, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex) {}

void TextBox::setText(std::string text) {
  text_ = std::move(text);
  selStart_ = 0;
  selLength_ = 0;
  changed();
}

void TextBox::setSelStart(int start) {
  if (start < 0) throw Error(ErrorCode::InvalidPropertyValue);
  selStart_ = std::min(start, length());
  selLength_ = 0;
  changed();
}

void TextBox::setSelLength(int length) {
  if (length < 0) throw Error(ErrorCode::InvalidPropertyValue);
  selLength_ = std::min(length, this->length() - selStart_);
  changed();
}

void TextBox::type(const std::string& text) {
  if (!enabled()) return;
  text_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), text);
  selStart_ += static_cast<int>(text.size());
  selLength_ = 0;
  changed();
}

void TextBox::keyUp(int keyCode, int shift) {
  if (enabled()) runHandler(onKeyUp_, keyCode, shift);
}

const DispatchTable<TextBox>& TextBox::table() {
  static const DispatchTable<TextBox> t = [] {
    DispatchTable<TextBox> d;
    for (const char* name : {"Text", ""}) {
      d.get(name, [](TextBox& b, Args&) { return Variant(b.text_); });
      d.put(name, [](TextBox& b, Args& a) {
        b.setText(putValue(a).toString());
        return Variant();
      });
    }
    d.get("SelStart", [](TextBox& b, Args&) { return Variant(b.selStart_); });
    d.put("SelStart", [](TextBox& b, Args& a) {
      b.setSelStart(putValue(a).toInt32());
      return Variant();
    });
    d.get("SelLength", [](TextBox& b, Args&) { return Variant(b.selLength_); });
    d.put("SelLength", [](TextBox& b, Args& a) {
      b.setSelLength(putValue(a).toInt32());
      return Variant();
    });
    // The user's actions, for a host or a script that drives the dialog by name.
    d.method("Type", [](TextBox& b, Args& a) {
      b.type(requiredArg(a, 0).toString());
      return Variant();
    });
    d.method("KeyUp", [](TextBox& b, Args& a) {
      b.keyUp(requiredArg(a, 0).toInt32(), argPresent(a, 1) ? a[1].toInt32() : 0);
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant TextBox::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
