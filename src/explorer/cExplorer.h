#pragma once

#include "automation/DispatchTable.h"
#include "automation/Events.h"

namespace qh::core {
class LoggedSteps;
}

namespace qh::explorer {

// One wrapper per Outlook explorer window: the window's "Quillhour" command bar with its five
// controls, the tracking of the shown folder and the selection, tagging the selected Times,
// and the buttons' actions. The wrapper registry holds its only lasting reference.
class cExplorer : public Object {
 public:
  // Creates a wrapper and registers it in the wrapper registry.
  static Ref<cExplorer> Create();
  ~cExplorer() override;

  void Init(const Ref<Object>& oExplorer);
  void AddCommandBar();
  void HideCommandBar(bool hide);
  void EnableCommandBar(bool enable);
  void RemoveCommandBar();
  void OnFolderSwitch();
  void OnSelectionChange();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  cExplorer();
  static const DispatchTable<cExplorer>& table();

  void ReleaseObjects();
  void OnClose();
  void Explorer_Event(std::string_view event);
  void TagComboBox_Change(const Ref<Object>& ctrl);
  void NewTimesButton_Click();
  void ExportButton_Click();
  void SettingsButton_Click();
  void SettingsFormItem_Event(std::string_view event);
  void SettingsFormItem_Save();
  void SettingsFormItem_Cancel();
  void AboutButton_Click();

  void addButton(core::LoggedSteps& steps, EventRef& member, const char* caption,
                 const char* tooltip, int faceId, bool beginGroup);
  void addTagComboBox(core::LoggedSteps& steps);
  bool showsDefaultFolder(int folderNumber);

  // Members in their declared order; the first seven receive events.
  EventRef Explorer;
  EventRef SettingsFormItem;
  EventRef NewTimesButton;
  EventRef TagComboBox;
  EventRef ExportButton;
  EventRef SettingsButton;
  EventRef AboutButton;
  Ref<Object> CurrentSelection;
  Ref<Object> ExplorerCommandBar;
};

}  // namespace qh::explorer
