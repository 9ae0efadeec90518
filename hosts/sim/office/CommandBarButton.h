#pragma once

#include "hosts/sim/office/CommandBarControl.h"

namespace qh::sim {

// A command-bar button (msoControlButton), as Office's CommandBarButton: the shared control
// members plus FaceId, and the Click event with the arguments (Ctrl, CancelDefault), where
// Ctrl is the button itself and CancelDefault a Boolean the handlers may set by reference.
class CommandBarButton : public CommandBarControl {
 public:
  using CommandBarControl::CommandBarControl;

  int faceId() const noexcept { return faceId_; }

  // Host action: a user clicks the button. Raises Click and answers the CancelDefault the
  // handlers left. The button must be usable (std::logic_error otherwise).
  bool click();

 protected:
  Variant dispatchLive(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CommandBarButton>& table();

  int faceId_ = 0;
};

}  // namespace qh::sim
