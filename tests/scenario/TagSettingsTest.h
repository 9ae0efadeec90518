#pragma once

#include <string>
#include <vector>

#include "tests/support/AddinHostTest.h"
#include "tests/support/HostWindows.h"
#include "tests/support/LogLines.h"

namespace qh::testing {

inline constexpr const char* kSettingsSubject = "Quillhour_Settings1_";
inline constexpr const char* kSettingsCaption = "Quillhour Settings";

// The settings dialog, driven by name as a user drives it. Types text into the dialog's text box,
// then releases Enter when asked.
inline void typeTag(Object& dialog, const std::string& text, bool enter = true) {
  Ref<Object> box = dialog.getObject("TagText");
  box->call("Type", text);
  if (enter) box->call("KeyUp", 13);
}
inline void press(Object& dialog, const char* button) {
  dialog.getObject(button)->call("Click");
}
inline void selectEntry(Object& dialog, int index) {
  Args args{Variant(index), Variant(true)};
  dialog.getObject("TagList")->invoke("Selected", CallKind::Put, args);
}
inline std::vector<std::string> dialogList(Object& dialog) {
  return listEntries(*dialog.getObject("TagList"));
}
inline std::vector<std::string> tagBoxEntries(sim::outlook::Explorer& explorer) {
  Ref<sim::CommandBarComboBox> box = barTagBox(explorer);
  return box ? box->entries() : std::vector<std::string>{"<no tag box>"};
}

// The add-in in the simulated host, with the means to keep a settings item in the mailbox
// and to drive the settings dialog the way a user does.
class TagSettingsTest : public AddinHostTest {
 protected:
  using Explorer = sim::outlook::Explorer;
  using Item = sim::outlook::Item;

  // A settings item already in the mailbox, holding body.
  Ref<sim::outlook::AppointmentItem> seedSettings(const std::string& body) {
    sim::outlook::AppointmentItem::Fields fields;
    fields.subject = kSettingsSubject;
    fields.start = Date::fromParts(2099, 1, 1);
    fields.body = body;
    return outlook().addAppointment(calendar(), fields);
  }

  // A Time already in the calendar: today at nine, an hour long.
  Ref<sim::outlook::AppointmentItem> addTime(const std::string& subject,
                                             const std::string& categories = "") {
    sim::outlook::AppointmentItem::Fields fields;
    fields.subject = subject;
    fields.start = Date::fromParts(2026, 12, 7, 9, 0, 0);
    fields.durationMinutes = 60;
    fields.categories = categories;
    return outlook().addAppointment(calendar(), fields);
  }

  // The log's error lines, without the traces of windows opening and switching.
  std::vector<std::string> errorLines() { return withoutTraces(logMessages()); }

  std::vector<Ref<Item>> settingsItems() {
    std::vector<Ref<Item>> found;
    for (const Ref<Item>& item : calendar().items())
      if (item->value("Subject").toString() == kSettingsSubject) found.push_back(item);
    return found;
  }

  // Presses "Settings" on the explorer's bar; answers the dialog that opened.
  Ref<Object> openSettings(Explorer& explorer) {
    Ref<sim::CommandBarButton> button = barButton(explorer, "Settings");
    if (!button) return nullptr;
    const size_t before = system().forms().all().size();
    button->click();
    const std::vector<Ref<Object>> forms = system().forms().all();
    if (forms.size() == before) return nullptr;
    return forms.back()->get("Caption").toString() == kSettingsCaption ? forms.back() : nullptr;
  }
};

}  // namespace qh::testing
