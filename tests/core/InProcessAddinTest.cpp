#include "tests/core/InProcessAddinTest.h"

#include "core/Lifecycle.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::core::testing {

int WatchingSystem::messageBox(const std::string& text, const std::string& title,
                               platform::MessageButtons buttons, platform::MessageIcon icon) {
  Ref<Object> window = forms().find("Quillhour");
  logWindowShownAtBox.push_back(window && forms().isVisible(*window));
  return SimSystem::messageBox(text, title, buttons, icon);
}

InProcessAddinTest::InProcessAddinTest() {
  system.setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
  outlook.setCommandBarsFactory([](Object&) -> Ref<Object> { return sim::makeCommandBars(); });
  globals().system = &system;
}

InProcessAddinTest::~InProcessAddinTest() {
  try {
    AddinShutdown();
  } catch (const std::exception& e) {
    ADD_FAILURE() << "shutdown failed: " << e.what();
  }
  resetGlobals();
  globals().system = nullptr;
}

void InProcessAddinTest::connect() {
  AddinConnect(outlook.applicationObject());
}

void InProcessAddinTest::connectAndStart() {
  connect();
  AddinStartup();
}

std::vector<std::string> InProcessAddinTest::logMessages() {
  std::vector<std::string> messages;
  Ref<Object> window = logWindow();
  if (!window) return messages;
  Ref<Object> list = window->getObject("ErrorList");
  const int count = list->get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) {
    const std::string line = list->get("List", i).toString();
    const size_t at = line.find(": ");
    messages.push_back(at == std::string::npos ? line : line.substr(at + 2));
  }
  return messages;
}

Ref<sim::outlook::AppointmentItem> InProcessAddinTest::storeTagList(const std::string& body) {
  sim::outlook::AppointmentItem::Fields fields;
  fields.subject = "Quillhour_Settings1_";
  fields.start = Date::fromParts(2099, 1, 1);
  fields.body = body;
  return outlook.addAppointment(outlook.calendar(), fields);
}

}  // namespace qh::core::testing
