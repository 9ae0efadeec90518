#include "controls/PaneForm.h"

namespace qh::controls {
namespace {

std::string trimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

InspectorPane::InspectorPane(platform::System& system) : Form(system, "", 3705, 315) {
  add(Image1);
  add(Label1);
  add(TagComboBox);
  TagComboBox.onClick([this] { TagComboBox_Click(); });
}

InspectorPane::~InspectorPane() {
  AppointmentRef.reset();
}

void InspectorPane::SetAppointmentItem(const Variant& item) {
  AppointmentRef = item.toObject();
}

void InspectorPane::FillTagComboBox(const Variant& arr) {
  // The declared argument is an array of strings: anything else fails in the call itself.
  const StringArray& tags = arr.toStringArray();
  try {
    TagComboBox.clear();
  } catch (...) {
  }
  if (!tags.assigned) return;  // an array never sized has no bounds: the box stays empty
  for (const std::string& tag : tags.items) {
    try {
      TagComboBox.addItem(trimSpaces(tag));
    } catch (...) {
    }
  }
}

void InspectorPane::SetTagComboBoxText(const Variant& text) {
  TagComboBox.setText(text.toString());
}

void InspectorPane::TagComboBox_Click() {
  // Errors are ignored throughout; the control never shows a message.
  try {
    const std::string text = TagComboBox.text();
    if (text.empty()) return;
    if (TagComboBox.listIndex() == -1) return;
    if (!AppointmentRef) return;
    bool differs = true;
    try {
      differs = AppointmentRef->get("Categories").toString() != text;
    } catch (...) {
      // An unreadable category counts as a difference: the write is still tried.
    }
    if (differs) AppointmentRef->put("Categories", text);
  } catch (...) {
  }
}

const DispatchTable<InspectorPane>& InspectorPane::table() {
  static const DispatchTable<InspectorPane> t = [] {
    DispatchTable<InspectorPane> d;
    d.method("SetAppointmentItem", [](InspectorPane& p, Args& a) {
      p.SetAppointmentItem(requiredArg(a, 0));
      return Variant();
    });
    d.method("FillTagComboBox", [](InspectorPane& p, Args& a) {
      p.FillTagComboBox(requiredArg(a, 0));
      return Variant();
    });
    d.method("SetTagComboBoxText", [](InspectorPane& p, Args& a) {
      p.SetTagComboBoxText(requiredArg(a, 0));
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant InspectorPane::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Form::invoke(name, kind, args);
}

}  // namespace qh::controls
