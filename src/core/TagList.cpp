#include "core/TagList.h"

#include "automation/Int16.h"
#include "core/AddinIdentity.h"
#include "core/Globals.h"
#include "core/HostConstants.h"

namespace qh::core {
namespace {

std::string settingsFilter() {
  return std::string("[Subject] = '") + kSettingsSubject + "'";
}

Ref<Object> findSettingsItem(const Ref<Object>& folder) {
  return use(use(folder).getObject("Items")).getObject("Find", settingsFilter());
}

}  // namespace

StringArray ParseTagList(const std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    joined += text[i];
    if (text[i] == ';' && i + 1 < text.size() && text[i + 1] == ' ') ++i;
  }
  StringArray tags{true, {}};
  if (joined.empty()) return tags;
  size_t start = 0;
  for (size_t at = joined.find(';'); at != std::string::npos; at = joined.find(';', start)) {
    tags.items.push_back(joined.substr(start, at - start));
    start = at + 1;
  }
  tags.items.push_back(joined.substr(start));
  return tags;
}

std::string JoinTagList(const std::vector<std::string>& tags) {
  std::string body;
  for (size_t i = 0; i < tags.size(); ++i) body += (i ? "; " : "") + tags[i];
  return body;
}

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void GlobalInitSettings() {
  LoggedSteps steps("GlobalInitSettings:");
  Ref<Object> folder, item;
  steps([&] { folder = addinNameSpace().getObject("GetDefaultFolder", olFolderCalendar); });
  steps([&] { item = findSettingsItem(folder); });
  if (!item) {
    globals().TagArray = StringArray{true, {}};
  } else {
    steps([&] { globals().TagArray = ParseTagList(item->get("Body").toString()); });
  }
  item.reset();
  folder.reset();
}

void FillTagCombo(Object& control, const StringArray& tags) {
  control.call("Clear");
  // An array never sized has no bounds to walk: the control is left empty.
  if (!tags.assigned) throw Error(ErrorCode::SubscriptOutOfRange);
  if (tags.items.empty()) return;
  const Int16 upper = Int16::checked(static_cast<long long>(tags.items.size()) - 1);
  for (Int16 i = 0;; ++i) {
    control.call("AddItem", TrimSpaces(tags.items[static_cast<size_t>(i.value())]));
    if (i == upper) break;
  }
}

bool WriteSettingsItem(LoggedSteps& steps, const std::string& body) {
  Ref<Object> folder, item;
  steps([&] { folder = addinNameSpace().getObject("GetDefaultFolder", olFolderCalendar); });
  steps([&] { item = findSettingsItem(folder); });
  if (!item) {
    steps([&] { item = addinApplication().getObject("CreateItem", olAppointmentItem); });
    steps([&] { use(item).put("Subject", kSettingsSubject); });
    steps([&] { use(item).put("Start", Date::fromParts(2099, 1, 1)); });
    steps([&] { use(item).put("ReminderSet", false); });
    steps([&] { use(item).put("MeetingStatus", olNonMeeting); });
  }
  bool bodySet = false, closed = false;
  steps([&] {
    use(item).put("Body", body);
    bodySet = true;
  });
  steps([&] {
    use(item).call("Close", olSave);
    closed = true;
  });
  item.reset();
  folder.reset();
  return bodySet && closed;
}

}  // namespace qh::core
