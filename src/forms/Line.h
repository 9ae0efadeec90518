#pragma once

#include <cstdint>
#include <string>

#include "forms/Control.h"

namespace qh::forms {

// A straight line from (x1, y1) to (x2, y2), in twips, one pixel wide, in one colour written
// as Windows writes colours (0x00BBGGRR). The lines of a line array share their name and
// differ by Index. Its place (rect) is the box the two ends span.
class Line : public Control {
 public:
  Line(std::string name, int index, int x1, int y1, int x2, int y2, std::uint32_t color);

  const char* kind() const override { return "Line"; }
  int index() const { return index_; }
  std::uint32_t color() const { return color_; }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Line>& table();

  int index_;
  int x1_, y1_, x2_, y2_;
  std::uint32_t color_;
};

}  // namespace qh::forms
