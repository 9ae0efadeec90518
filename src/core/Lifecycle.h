#pragma once

#include "automation/Object.h"

namespace qh::core {

// The three procedures behind the connection events. They catch nothing: a failure goes back
// to the host as the event's failure.
void AddinConnect(const Ref<Object>& application);
void AddinStartup();
// Runs once per connection; later calls during the same connection do nothing.
void AddinShutdown();

}  // namespace qh::core
