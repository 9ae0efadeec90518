// A command button. The form's default button is drawn as such and named to the dialog
// (DM_SETDEFID), so that Enter presses it; Escape reaches the cancel button through the
// dialog (see FormWindow).
#include "forms/Button.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class ButtonView final : public ControlView {
 public:
  ButtonView(forms::Button& model, ViewHost& host) : ControlView(model, host), button_(model) {}

  bool tabStop() const override { return true; }
  void onCommand(int code) override {
    if (code == BN_CLICKED) fromUser([this] { button_.click(); });
    if (code == BN_SETFOCUS) focusedByUser();
  }

 protected:
  WindowStyle windowStyle() const override {
    const DWORD kind = button_.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return {L"BUTTON", WS_TABSTOP | WS_GROUP | BS_NOTIFY | kind};
  }
  void push() override {
    if (caption_.changes(button_.caption()))
      SetWindowTextW(window(), widen(button_.caption()).c_str());
    if (default_.changes(button_.isDefault())) {
      HWND dialog = GetParent(window());
      const int id = GetDlgCtrlID(window());
      if (button_.isDefault())
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
      else if (LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) == id)
        SendMessageW(dialog, DM_SETDEFID, 0, 0);
    }
  }

 private:
  forms::Button& button_;
  Shown<std::string> caption_;
  Shown<bool> default_;
};

}  // namespace

std::unique_ptr<ControlView> makeButtonView(forms::Button& model, ViewHost& host) {
  return std::make_unique<ButtonView>(model, host);
}

}  // namespace qh::win
