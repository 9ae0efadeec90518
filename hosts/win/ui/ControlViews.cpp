#include "hosts/win/ui/ControlViews.h"

#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/DatePicker.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/ListBox.h"
#include "forms/Picture.h"
#include "forms/TextBox.h"

namespace qh::win {

std::unique_ptr<ControlView> makeControlView(forms::Control& model, ViewHost& host) {
  if (auto* c = dynamic_cast<forms::Label*>(&model)) return makeLabelView(*c, host);
  if (auto* c = dynamic_cast<forms::TextBox*>(&model)) return makeTextBoxView(*c, host);
  if (auto* c = dynamic_cast<forms::Button*>(&model)) return makeButtonView(*c, host);
  if (auto* c = dynamic_cast<forms::CheckBox*>(&model)) return makeCheckBoxView(*c, host);
  if (auto* c = dynamic_cast<forms::Frame*>(&model)) return makeFrameView(*c, host);
  if (auto* c = dynamic_cast<forms::ComboBox*>(&model)) return makeComboBoxView(*c, host);
  if (auto* c = dynamic_cast<forms::ListBox*>(&model)) return makeListBoxView(*c, host);
  if (auto* c = dynamic_cast<forms::DatePicker*>(&model)) return makeDatePickerView(*c, host);
  if (auto* c = dynamic_cast<forms::Picture*>(&model)) return makePictureView(*c, host);
  if (auto* c = dynamic_cast<forms::Line*>(&model)) return makeLineView(*c, host);
  return nullptr;
}

}  // namespace qh::win
