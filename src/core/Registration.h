#pragma once

#include <string>

#include "platform/System.h"

namespace qh::core {

// Writes, for the current user only, the COM class of Connect (pointing at modulePath), its
// ProgID, and the Outlook add-in entry with its name, description and load behaviour.
long RegisterAddin(platform::System& system, const std::string& modulePath);
// Removes what RegisterAddin wrote.
long UnregisterAddin(platform::System& system);

}  // namespace qh::core
