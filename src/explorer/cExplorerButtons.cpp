// The actions of the explorer bar's buttons.
#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/LoggedSteps.h"
#include "explorer/cExplorer.h"

namespace qh::explorer {

using core::use;

void cExplorer::NewTimesButton_Click() {
  Ref<Object> item = core::addinApplication().getObject("CreateItem", core::olAppointmentItem);
  use(item).call("Display");
  item.reset();
}

// The export, settings and About dialogs land with their own subsystems; until then these
// buttons do nothing.
void cExplorer::ExportButton_Click() {}
void cExplorer::SettingsButton_Click() {}
void cExplorer::SettingsFormItem_Save() {}
void cExplorer::SettingsFormItem_Cancel() {}
void cExplorer::AboutButton_Click() {}

}  // namespace qh::explorer
