#pragma once

#include <string>

#include "platform/System.h"

namespace qh::controls {

// Writes, for the current user only, the pane control's COM class (pointing at modulePath,
// marked as a control, with its type library) and its ProgID, as a control library does.
long RegisterControls(platform::System& system, const std::string& modulePath);
// Removes what RegisterControls wrote.
long UnregisterControls(platform::System& system);

}  // namespace qh::controls
