// A frame: a group box with its caption.
#include "forms/Frame.h"
#include "hosts/win/automation/WideText.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class FrameView final : public ControlView {
 public:
  FrameView(forms::Frame& model, ViewHost& host) : ControlView(model, host), frame_(model) {}

 protected:
  WindowStyle windowStyle() const override { return {L"BUTTON", BS_GROUPBOX}; }
  void push() override {
    if (caption_.changes(frame_.caption()))
      SetWindowTextW(window(), widen(frame_.caption()).c_str());
  }

 private:
  forms::Frame& frame_;
  Shown<std::string> caption_;
};

}  // namespace

std::unique_ptr<ControlView> makeFrameView(forms::Frame& model, ViewHost& host) {
  return std::make_unique<FrameView>(model, host);
}

}  // namespace qh::win
