#include "forms/Line.h"

#include <algorithm>
#include <cstdlib>

namespace qh::forms {

Line::Line(std::string name, int index, int x1, int y1, int x2, int y2, std::uint32_t color)
    : Control(std::move(name),
              Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)}, -1),
      index_(index),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      color_(color) {}

const DispatchTable<Line>& Line::table() {
  static const DispatchTable<Line> t = [] {
    DispatchTable<Line> d;
    d.get("Index", [](Line& l, Args&) { return Variant(l.index_); });
    d.get("X1", [](Line& l, Args&) { return Variant(l.x1_); });
    d.get("Y1", [](Line& l, Args&) { return Variant(l.y1_); });
    d.get("X2", [](Line& l, Args&) { return Variant(l.x2_); });
    d.get("Y2", [](Line& l, Args&) { return Variant(l.y2_); });
    d.get("BorderColor",
          [](Line& l, Args&) { return Variant(static_cast<std::int32_t>(l.color_)); });
    return d;
  }();
  return t;
}

Variant Line::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
