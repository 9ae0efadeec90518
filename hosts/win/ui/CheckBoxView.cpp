// A check box. The window does not check itself: a click goes to the model, which decides,
// and the window shows the model's value (checked, unchecked or grayed).
#include "forms/CheckBox.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class CheckBoxView final : public ControlView {
 public:
  CheckBoxView(forms::CheckBox& model, ViewHost& host) : ControlView(model, host), box_(model) {}

  bool tabStop() const override { return true; }
  void onCommand(int code) override {
    if (code == BN_CLICKED) fromUser([this] { box_.click(); });
    if (code == BN_SETFOCUS) focusedByUser();
  }

 protected:
  WindowStyle windowStyle() const override {
    return {L"BUTTON", WS_TABSTOP | WS_GROUP | BS_NOTIFY | BS_3STATE};
  }
  void push() override {
    if (caption_.changes(box_.caption())) SetWindowTextW(window(), widen(box_.caption()).c_str());
    if (value_.changes(box_.value())) {
      const WPARAM state = box_.value() == forms::CheckBox::kChecked  ? BST_CHECKED
                           : box_.value() == forms::CheckBox::kGrayed ? BST_INDETERMINATE
                                                                      : BST_UNCHECKED;
      send(BM_SETCHECK, state);
    }
  }

 private:
  forms::CheckBox& box_;
  Shown<std::string> caption_;
  Shown<int> value_;
};

}  // namespace

std::unique_ptr<ControlView> makeCheckBoxView(forms::CheckBox& model, ViewHost& host) {
  return std::make_unique<CheckBoxView>(model, host);
}

}  // namespace qh::win
