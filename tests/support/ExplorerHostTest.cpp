#include "tests/support/ExplorerHostTest.h"

#include "tests/support/HostWindows.h"

namespace qh::testing {

Ref<sim::CommandBar> ExplorerHostTest::quillhourBar(Explorer& explorer) {
  return explorer.closed() ? nullptr : ::qh::testing::quillhourBar(explorer);
}

int ExplorerHostTest::quillhourBarCount(Explorer& explorer) {
  int count = 0;
  if (!explorer.closed())
    for (const Ref<sim::CommandBar>& bar : barsOf(explorer).bars())
      count += bar->name() == "Quillhour";
  return count;
}

Ref<sim::CommandBarComboBox> ExplorerHostTest::tagBox(Explorer& explorer) {
  return explorer.closed() ? nullptr : barTagBox(explorer);
}

Ref<sim::CommandBarButton> ExplorerHostTest::barButton(Explorer& explorer,
                                                       std::string_view caption) {
  return explorer.closed() ? nullptr : ::qh::testing::barButton(explorer, std::string(caption));
}

bool ExplorerHostTest::barShown(Explorer& explorer) {
  Ref<sim::CommandBar> bar = quillhourBar(explorer);
  return bar && bar->visible();
}

ExplorerHostTest::Time ExplorerHostTest::addTime(Folder& folder, const std::string& subject,
                                                 const std::string& categories) {
  sim::outlook::AppointmentItem::Fields fields;
  fields.subject = subject;
  fields.start = Date::fromParts(2026, 12, 7, 9, 0, 0);
  fields.durationMinutes = 60;
  fields.categories = categories;
  return outlook().addAppointment(folder, fields);
}

ExplorerHostTest::Time ExplorerHostTest::storeTagList(const std::string& body) {
  sim::outlook::AppointmentItem::Fields fields;
  fields.subject = "Quillhour_Settings1_";
  fields.start = Date::fromParts(2099, 1, 1);
  fields.body = body;
  return outlook().addAppointment(calendar(), fields);
}

Ref<ExplorerHostTest::Explorer> ExplorerHostTest::startOnCalendar() {
  Ref<Explorer> explorer = outlook().openExplorer(calendar());
  startAddin();
  return explorer;
}

std::vector<std::string> ExplorerHostTest::messagesTagged(std::string_view tag) {
  std::vector<std::string> tagged;
  for (std::string& message : logMessages())
    if (message.rfind(tag, 0) == 0) tagged.push_back(std::move(message));
  return tagged;
}

}  // namespace qh::testing
