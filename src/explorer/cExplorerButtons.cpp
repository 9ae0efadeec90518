// The actions of the explorer bar's buttons and the settings dialog's answer.
#include "about/AboutForm.h"
#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/Log.h"
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "explorer/cExplorer.h"
#include "export/ExportForm.h"
#include "settings/SettingsForm.h"

namespace qh::explorer {

using core::LoggedSteps;
using core::use;

void cExplorer::NewTimesButton_Click() {
  Ref<Object> item = core::addinApplication().getObject("CreateItem", core::olAppointmentItem);
  use(item).call("Display");
  item.reset();
}

void cExplorer::ExportButton_Click() {
  exporting::ExportForm& form = exporting::ExportForm::Shared();
  form.SetExportFolder(use(Explorer.ref()).getObject("CurrentFolder"));
  form.show();
}

void cExplorer::SettingsButton_Click() {
  LoggedSteps steps("SettingsButton_Click:");
  steps([&] { SettingsFormItem.set(makeRef<settings::SettingsForm>(core::addinSystem())); });
  steps([&] {
    Args args{Variant(core::globals().TagArray)};
    use(SettingsFormItem.ref()).invoke("InitTagList", CallKind::Call, args);
  });
  steps([&] { use(SettingsFormItem.ref()).call("Show"); });
}

void cExplorer::SettingsFormItem_Save() {
  LoggedSteps steps("SettingsFormItem_Save:");
  steps([&] {
    core::globals().TagArray =
        core::ParseTagList(use(SettingsFormItem.ref()).get("SettingString").toString());
  });
  steps([&] { core::FillTagCombo(use(TagComboBox.ref()), core::globals().TagArray); });
  SettingsFormItem.reset();
}

void cExplorer::SettingsFormItem_Cancel() {
  core::WriteLog("SettingsFormItem_Cancel: Cancelled");
  SettingsFormItem.reset();
}

void cExplorer::AboutButton_Click() {
  about::AboutForm::Shared().show();
}

}  // namespace qh::explorer
