// A label: a static text. Labels tall enough for two lines wrap their words; shorter ones
// end in an ellipsis when the text is wider than they are. Access-key prefixes are not
// interpreted, so a folder named "R&D" shows as it is. A link label is pure blue and
// underlined and shows the link pointer; every label reports its clicks.
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
  Spec spec() const override {
    const bool wraps = label_.rect().height >= 2 * kLineTwips;
    const DWORD layout = wraps ? SS_LEFT : SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;
    return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | layout};
  }
  void push() override {
    if (style_.changes(label_.style())) {
      setFont(assets().font(label_.style()));
      InvalidateRect(window(), nullptr, TRUE);
    }
    if (caption_.changes(label_.caption()))
      SetWindowTextW(window(), widen(label_.caption()).c_str());
  }

 private:
  // The height of one line of the forms' text, in twips.
  static constexpr int kLineTwips = 255;

  forms::Label& label_;
  Shown<forms::Label::Style> style_;
  Shown<std::string> caption_;
};

}  // namespace

std::unique_ptr<ControlView> makeLabelView(forms::Label& model, ViewHost& host) {
  return std::make_unique<LabelView>(model, host);
}

}  // namespace qh::win
