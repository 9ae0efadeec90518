#pragma once

#include <memory>

#include "hosts/win/ui/ControlView.h"

namespace qh::forms {
class Button;
class CheckBox;
class ComboBox;
class DatePicker;
class Frame;
class Label;
class Line;
class ListBox;
class Picture;
class TextBox;
}  // namespace qh::forms

namespace qh::win {

// The one place that maps a control model to its window, kind by kind; null for a kind the
// face does not draw.
std::unique_ptr<ControlView> makeControlView(forms::Control& model, ViewHost& host);

// The views of the kinds, one file each.
std::unique_ptr<ControlView> makeLabelView(forms::Label& model, ViewHost& host);
std::unique_ptr<ControlView> makeTextBoxView(forms::TextBox& model, ViewHost& host);
std::unique_ptr<ControlView> makeButtonView(forms::Button& model, ViewHost& host);
std::unique_ptr<ControlView> makeCheckBoxView(forms::CheckBox& model, ViewHost& host);
std::unique_ptr<ControlView> makeFrameView(forms::Frame& model, ViewHost& host);
std::unique_ptr<ControlView> makeComboBoxView(forms::ComboBox& model, ViewHost& host);
std::unique_ptr<ControlView> makeListBoxView(forms::ListBox& model, ViewHost& host);
std::unique_ptr<ControlView> makeDatePickerView(forms::DatePicker& model, ViewHost& host);
std::unique_ptr<ControlView> makePictureView(forms::Picture& model, ViewHost& host);
std::unique_ptr<ControlView> makeLineView(forms::Line& model, ViewHost& host);

}  // namespace qh::win
