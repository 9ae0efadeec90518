// A label: a static text. Labels tall enough for two lines wrap their words; shorter ones
// end in an ellipsis when the text is wider than they are. Access-key prefixes are not
// interpreted, so a folder named "R&D" shows as it is. A label that sizes itself widens to its
// caption. A link label is pure blue and underlined and shows the link pointer; every label
// reports its clicks.
#include <algorithm>
#include <string>

#include "forms/Label.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class LabelView final : public ControlView {
 public:
  LabelView(forms::Label& model, ViewHost& host) : ControlView(model, host), label_(model) {}

  void onCommand(int code) override {
    if (code == STN_CLICKED) fromUser([this] { label_.click(); });
  }
  HBRUSH onColor(HDC dc) override {
    if (label_.style() != forms::Label::Style::Link) return nullptr;
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  HCURSOR cursor() const override {
    return label_.style() == forms::Label::Style::Link ? assets().linkCursor() : nullptr;
  }

 protected:
  WindowStyle windowStyle() const override {
    const bool wraps = label_.rect().height >= 2 * kLineTwips;
    const DWORD layout = wraps ? SS_LEFT : SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;
    return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | layout};
  }
  void push() override {
    if (style_.changes(label_.style())) {
      setFont(assets().font(label_.style()));
      InvalidateRect(window(), nullptr, TRUE);
    }
    const bool newCaption = caption_.changes(label_.caption());
    if (newCaption) SetWindowTextW(window(), widen(label_.caption()).c_str());
    if ((autoSize_.changes(label_.autoSize()) || newCaption) && label_.autoSize()) fitCaption();
  }

 private:
  // The height of one line of the forms' text, in twips.
  static constexpr int kLineTwips = 255;

  // Widens the window to its caption, never below the model's width.
  void fitCaption() {
    const std::wstring text = widen(label_.caption());
    HDC dc = GetDC(window());
    HGDIOBJ old = SelectObject(dc, assets().font(label_.style()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(window(), dc);
    const RECT at = place();
    const int width = std::max<int>(at.right - at.left, extent.cx + 1);
    SetWindowPos(window(), nullptr, 0, 0, width, at.bottom - at.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  forms::Label& label_;
  Shown<forms::Label::Style> style_;
  Shown<std::string> caption_;
  Shown<bool> autoSize_;
};

}  // namespace

std::unique_ptr<ControlView> makeLabelView(forms::Label& model, ViewHost& host) {
  return std::make_unique<LabelView>(model, host);
}

}  // namespace qh::win
