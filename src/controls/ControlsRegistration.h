#pragma once

#include <string>

#include "platform/RegistrySet.h"
#include "platform/System.h"

namespace qh::controls {

// The control library's registration for the current user: the pane control's COM class
// (served from modulePath, marked as a control), its ProgID, and its type library with the
// two interfaces it describes, for a module of the given pointer size (32 or 64 bits: a type
// library is registered per platform). The library declares nothing but our own interfaces,
// so registering it touches no one else's keys.
platform::RegistrySet controlsRegistration(const std::string& modulePath, int pointerBits);

// Writes controlsRegistration for this module's own pointer size.
long RegisterControls(platform::System& system, const std::string& modulePath);
// Removes what RegisterControls wrote.
long UnregisterControls(platform::System& system);

}  // namespace qh::controls
