#pragma once

#include "automation/DispatchTable.h"
#include "forms/Button.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/TextBox.h"

namespace qh::settings {

// The tag settings dialog: the user edits the tag list, and Save stores it in the settings
// item and raises Save (read SettingString then); Cancel raises Cancel. It never touches the
// add-in's TagArray itself. A new dialog is made for every use.
class SettingsForm : public forms::Form {
 public:
  static constexpr int kEnterKey = 13;

  explicit SettingsForm(platform::System& system);

  void InitTagList(const StringArray& tags);
  std::string SettingString() const;

  void AddButton_Click() { AddTextToList(); }
  void TagText_KeyUp(int keyCode, int shift);
  void DeleteButton_Click();
  void Save_Click();
  void CancelButton_Click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

  forms::Button Save{"Save", "Save", {1920, 5760, 1335, 375}, 0};
  forms::Button CancelButton{"CancelButton", "Cancel", {240, 5760, 1335, 375}, 1};
  forms::ListBox TagList{
      "TagList", {240, 360, 3135, 3960}, 2, true, forms::ListBox::Selection::Extended};
  forms::TextBox TagText{"TagText", {240, 4560, 3135, 315}, 3};
  forms::Button AddButton{"AddButton", "Add", {1920, 5040, 975, 375}, 4};
  forms::Button DeleteButton{"DeleteButton", "Delete", {600, 5040, 975, 375}, 5};
  forms::Label Label1{"Label1", "Existing tags:", {240, 120, 3135, 255}, 6};

 private:
  static const DispatchTable<SettingsForm>& table();
  static void FillListBox(forms::ListBox& list, const StringArray& tags);
  static std::string GetListBoxAsString(const forms::ListBox& list);
  void AddTextToList();
};

}  // namespace qh::settings
