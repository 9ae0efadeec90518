#pragma once

#include "forms/Button.h"
#include "forms/Form.h"
#include "forms/ListBox.h"

namespace qh::core {

// The hidden log window: its list box is the add-in's diagnostic log, oldest line first.
class MainForm : public forms::Form {
 public:
  static constexpr int kMaxLines = 25;

  explicit MainForm(platform::System& system);

  std::vector<std::string> lines() const { return ErrorList.items(); }

  forms::ListBox ErrorList{"ErrorList", {120, 120, 6735, 5910}, 0};
  forms::Button ButtonHide{"ButtonHide", "Hide window", {5040, 6120, 1815, 375}, 1};

 private:
  void ButtonHide_Click() { hide(); }
};

}  // namespace qh::core
