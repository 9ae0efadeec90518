#include "hosts/win/automation/EventInterfaceCatalog.h"

namespace qh::win {
namespace {

// Outlook's current event dispinterfaces (not the older ExplorerEvents, InspectorEvents or
// ApplicationEvents_10, which share the DISPIDs under other DIIDs) and Office's command-bar
// control events. Only the events the add-in handles are named; the others are ignored.
std::deque<EventInterface> outlookAndOfficeEventInterfaces() {
  const auto microsoftIid = [](unsigned long data1) {
    return IID{data1, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
  };
  return {
      {microsoftIid(0x0006302C),
       "ApplicationEvents_11",
       {{0xF002, "ItemSend"}, {0xF006, "Startup"}, {0xF007, "Quit"}}},
      {microsoftIid(0x00063078), "ExplorersEvents", {{0xF001, "NewExplorer"}}},
      {microsoftIid(0x00063079), "InspectorsEvents", {{0xF001, "NewInspector"}}},
      {microsoftIid(0x0006300F),
       "ExplorerEvents_10",
       {{0xF001, "Activate"},
        {0xF002, "FolderSwitch"},
        {0xF007, "SelectionChange"},
        {0xF008, "Close"}}},
      {microsoftIid(0x0006302A), "InspectorEvents_10", {{0xF001, "Activate"}, {0xF008, "Close"}}},
      {microsoftIid(0x000C0351), "_CommandBarButtonEvents", {{1, "Click"}}},
      {microsoftIid(0x000C0354), "_CommandBarComboBoxEvents", {{1, "Change"}}},
  };
}

}  // namespace

EventInterfaceCatalog::EventInterfaceCatalog() : entries_(outlookAndOfficeEventInterfaces()) {}

const EventInterface& EventInterfaceCatalog::add(EventInterface entry) {
  return entries_.emplace_back(std::move(entry));
}

const EventInterface* EventInterfaceCatalog::find(REFIID diid) const noexcept {
  for (const EventInterface& e : entries_)
    if (IsEqualIID(e.diid, diid)) return &e;
  return nullptr;
}

}  // namespace qh::win
