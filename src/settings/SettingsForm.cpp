#include "settings/SettingsForm.h"

#include "automation/Int16.h"
#include "core/AddinIdentity.h"
#include "core/Globals.h"
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "core/cAddin.h"

namespace qh::settings {

SettingsForm::SettingsForm(platform::System& system)
    : Form(system, "Quillhour Settings", 3615, 6375) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &Save, &CancelButton, &TagList, &TagText, &AddButton, &DeleteButton, &Label1})
    add(*c);
  Save.onClick([this] { Save_Click(); });
  CancelButton.onClick([this] { CancelButton_Click(); });
  AddButton.onClick([this] { AddButton_Click(); });
  DeleteButton.onClick([this] { DeleteButton_Click(); });
  TagText.onKeyUp([this](int key, int shift) { TagText_KeyUp(key, shift); });
}

void SettingsForm::InitTagList(const StringArray& tags) {
  FillListBox(TagList, tags);
}

void SettingsForm::FillListBox(forms::ListBox& list, const StringArray& tags) {
  if (!tags.assigned) throw Error(ErrorCode::SubscriptOutOfRange);
  if (tags.items.empty()) return;
  const Int16 upper = Int16::checked(static_cast<long long>(tags.items.size()) - 1);
  for (Int16 i = 0;; ++i) {
    list.addItem(core::TrimSpaces(tags.items[static_cast<size_t>(i.value())]));
    if (i == upper) break;
  }
}

std::string SettingsForm::GetListBoxAsString(const forms::ListBox& list) {
  std::string result;
  for (int i = 0; i < list.listCount(); ++i) {
    if (!result.empty()) result += "; ";
    result += list.list(i);
  }
  return result;
}

std::string SettingsForm::SettingString() const {
  return GetListBoxAsString(TagList);
}

void SettingsForm::AddTextToList() {
  std::string text = TagText.text();
  std::erase(text, ';');
  text = core::TrimSpaces(text);
  TagText.setText(text);
  if (text.empty()) return;
  TagList.addItem(text);
  TagText.setText("");
  TagText.setFocus();
}

void SettingsForm::TagText_KeyUp(int keyCode, int) {
  if (keyCode == kEnterKey) AddTextToList();
}

void SettingsForm::DeleteButton_Click() {
  int i = 0;
  while (i < TagList.listCount()) {
    if (TagList.selected(i))
      TagList.removeItem(i);  // the next entry moves into this place
    else
      ++i;
  }
}

void SettingsForm::Save_Click() {
  Ref<Object> keepAlive(this);  // the Save handler lets go of this dialog
  hide();
  core::LoggedSteps steps("SettingsForm:Save_Click:");
  if (!core::WriteSettingsItem(steps, GetListBoxAsString(TagList))) {
    // The dialog closes and the bars show the new list either way: without this the user
    // would learn only at the next start that the old list is still the stored one.
    steps([&] {
      core::use(core::globals().gAddin)
          .OutlookAlert(core::kAppTitle, "The tag list could not be stored (" +
                                             steps.firstFailure() +
                                             "). The edited list is used only until Outlook "
                                             "closes.");
    });
  }
  // The explorer adopts the edited list even when storing it failed.
  steps([&] { raiseEvent("Save"); });
  unload();
}

void SettingsForm::CancelButton_Click() {
  Ref<Object> keepAlive(this);
  hide();
  raiseEvent("Cancel");
  unload();
}

const DispatchTable<SettingsForm>& SettingsForm::table() {
  static const DispatchTable<SettingsForm> t = [] {
    DispatchTable<SettingsForm> d;
    d.method("InitTagList", [](SettingsForm& f, Args& a) {
      f.InitTagList(requiredArg(a, 0).toStringArray());
      return Variant();
    });
    d.get("SettingString", [](SettingsForm& f, Args&) { return Variant(f.SettingString()); });
    return d;
  }();
  return t;
}

Variant SettingsForm::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Form::invoke(name, kind, args);
}

}  // namespace qh::settings
