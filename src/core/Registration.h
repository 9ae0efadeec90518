#pragma once

#include <string>

#include "platform/RegistrySet.h"
#include "platform/System.h"

namespace qh::core {

// The add-in's registration for the current user: the COM class of Connect (served from
// modulePath), its ProgID, and the Outlook add-in entry with its name, description and load
// behaviour.
platform::RegistrySet addinRegistration(const std::string& modulePath);

// Writes addinRegistration(modulePath).
long RegisterAddin(platform::System& system, const std::string& modulePath);
// Removes what RegisterAddin wrote.
long UnregisterAddin(platform::System& system);

}  // namespace qh::core
