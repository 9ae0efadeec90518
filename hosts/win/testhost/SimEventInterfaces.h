#pragma once

#include "automation/Object.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win {

// The event interface each simulated object offers through COM, as the Office and Outlook
// object it stands for does: Application ApplicationEvents_11, Explorers ExplorersEvents,
// Inspectors InspectorsEvents, Explorer ExplorerEvents_10, Inspector InspectorEvents_10, a
// command-bar button _CommandBarButtonEvents and a combo box _CommandBarComboBoxEvents. Other
// objects raise nothing the add-in listens to and offer no connection point.
ObjectBridge::EventChooser simEventInterfaces(ObjectBridge& bridge);

}  // namespace qh::win
