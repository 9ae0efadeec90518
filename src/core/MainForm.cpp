#include "core/MainForm.h"

#include "core/AddinIdentity.h"

namespace qh::core {

MainForm::MainForm(platform::System& system) : Form(system, kAppTitle, 7035, 6600) {
  add(ErrorList);
  add(ButtonHide);
  ButtonHide.onClick([this] { ButtonHide_Click(); });
}

}  // namespace qh::core
