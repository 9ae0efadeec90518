// A line, one pixel wide, in the model's colour: a horizontal or vertical strip of the
// box its two ends span.
#include <algorithm>

#include "forms/Line.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class LineView final : public ControlView {
 public:
  LineView(forms::Line& model, ViewHost& host) : ControlView(model, host), line_(model) {}

  void onDraw(const DRAWITEMSTRUCT& item) override {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(line_.color()));
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
  }

 protected:
  WindowStyle windowStyle() const override { return {L"STATIC", SS_OWNERDRAW}; }
  RECT place() const override {
    RECT at = ControlView::place();
    at.right = std::max(at.right, at.left + 1);
    at.bottom = std::max(at.bottom, at.top + 1);
    return at;
  }
  void push() override {}

 private:
  forms::Line& line_;
};

}  // namespace

std::unique_ptr<ControlView> makeLineView(forms::Line& model, ViewHost& host) {
  return std::make_unique<LineView>(model, host);
}

}  // namespace qh::win
