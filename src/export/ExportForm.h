#pragma once

#include "automation/DispatchTable.h"
#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/DatePicker.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"

namespace qh::exporting {

// The export dialog: the folder to export from, the date range and the options, and the
// Export button that runs the export. One shared instance lives while it stays loaded.
class ExportForm : public forms::Form {
 public:
  explicit ExportForm(platform::System& system);

  // The shared instance, loaded (Form_Load run) on first use.
  static ExportForm& Shared();

  void SetExportFolder(const Ref<Object>& folder);
  bool IsQuillhourTagged(Object& item);
  void ExportButton_Click();
  void CancelButton_Click();

  const Ref<Object>& exportFolder() const { return ExportFolder; }
  void clearExportFolder() { ExportFolder.reset(); }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

  forms::Label LabelExportingFrom{
      "LabelExportingFrom", "Exporting from:", {240, 120, 3375, 255}, 15};
  forms::Label Label1{"Label1", "From:", {240, 480, 615, 255}, 0};
  forms::DatePicker StartDate{"StartDate", {1080, 480, 1695, 315}, 2};
  forms::Label Label2{"Label2", "To:", {240, 960, 615, 255}, 1};
  forms::DatePicker EndDate{"EndDate", {1080, 960, 1695, 315}, 3};
  forms::CheckBox CheckAllDayEvents{
      "CheckAllDayEvents", "Include all day events", {360, 1560, 3255, 255}, 4};
  forms::CheckBox CheckNonTaggedItems{
      "CheckNonTaggedItems", "Include non-Quillhour-tagged items", {360, 2040, 3255, 255}, 5};
  forms::CheckBox CheckRecurringEvents{
      "CheckRecurringEvents", "Include recurring events", {360, 2520, 3255, 255}, 7};
  forms::CheckBox CheckExportedItems{
      "CheckExportedItems", "Include already exported items", {360, 3000, 3255, 255}, 8};
  forms::CheckBox CheckExportInMinutes{
      "CheckExportInMinutes", "Export duration in minutes", {360, 3480, 3255, 255}, 9};
  forms::CheckBox CheckDescription{
      "CheckDescription", "Include item description (Body)", {360, 3960, 3255, 255}, 16};
  forms::Frame Frame1{"Frame1", "", {120, 4320, 3615, 135}, 6};
  forms::CheckBox CheckMarkExported{
      "CheckMarkExported", "Mark items as exported", {360, 4680, 3255, 255}, 10};
  forms::CheckBox CheckDeleteAfter{
      "CheckDeleteAfter", "Delete items after export", {360, 5160, 3255, 255}, 11};
  forms::CheckBox CheckCreateDiagram{
      "CheckCreateDiagram", "Create Excel diagram ", {360, 5640, 3255, 255}, 12};
  forms::Button CancelButton{"CancelButton", "Cancel", {120, 6480, 1575, 375}, 14};
  forms::Button ExportButton{"ExportButton", "Export", {2160, 6480, 1575, 375}, 13};

 protected:
  void formLoad() override;

 private:
  static const DispatchTable<ExportForm>& table();
  void AdjustEndDate();
  void AdjustStartDate();

  Ref<Object> ExportFolder;
};

}  // namespace qh::exporting
