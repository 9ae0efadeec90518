#include "forms/Frame.h"

namespace qh::forms {

Frame::Frame(std::string name, std::string caption, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex), caption_(std::move(caption)) {}

void Frame::setCaption(std::string c) {
  caption_ = std::move(c);
  changed();
}

const DispatchTable<Frame>& Frame::table() {
  static const DispatchTable<Frame> t = [] {
    DispatchTable<Frame> d;
    d.get("Caption", [](Frame& f, Args&) { return Variant(f.caption_); });
    d.put("Caption", [](Frame& f, Args& a) {
      f.setCaption(putValue(a).toString());
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant Frame::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
