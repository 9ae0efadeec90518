#pragma once

#include "automation/DispatchTable.h"
#include "forms/ComboBox.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Picture.h"

namespace qh::controls {

// The user control InspectorPane (the name COM and Office know it by) inside an inspector's
// task pane: a picture, the label "Tag:" and a combo
// box of tags. Choosing a tag writes it into the appointment by itself; the item is not saved
// here, only when the user saves it in its window.
class InspectorPane : public forms::Form {
 public:
  explicit InspectorPane(platform::System& system);
  ~InspectorPane() override;  // the control's end releases the appointment

  void SetAppointmentItem(const Variant& item);
  void FillTagComboBox(const Variant& arr);
  void SetTagComboBoxText(const Variant& text);

  Object* appointment() const { return AppointmentRef.get(); }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

  forms::Picture Image1{"Image1", "TagSymbol", {15, 15, 270, 270}};  // 16 by 16 pixels
  forms::Label Label1{"Label1", "Tag:", {360, 45, 375, 255}};
  forms::ComboBox TagComboBox{"TagComboBox", {720, 0, 3000, 315}, 0};

 private:
  static const DispatchTable<InspectorPane>& table();
  void TagComboBox_Click();

  Ref<Object> AppointmentRef;
};

}  // namespace qh::controls
