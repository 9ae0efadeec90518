#pragma once

#include <functional>

#include "automation/Object.h"

namespace qh::sim::outlook {

// Where an explorer or inspector window gets its CommandBars collection: Office supplies it
// (hosts/sim/office). A window calls the factory once, on the first use of its CommandBars
// member, owns what it answers and drops it when the window closes, right after its Close
// event. The collection must not keep a counted reference to its window.
using CommandBarsFactory = std::function<Ref<Object>(Object& window)>;

}  // namespace qh::sim::outlook
