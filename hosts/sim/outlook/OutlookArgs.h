#pragma once

#include <cstddef>

#include "automation/Variant.h"
#include "hosts/sim/outlook/OutlookConstants.h"

namespace qh::sim::outlook {

// Arguments Outlook's collections and windows read the same way everywhere.

// A collection index counted from 1, as a zero-based position; raises "Array index out of
// bounds." outside 1..count.
size_t oneBasedIndex(const Variant& index, size_t count);

// An OlInspectorClose value; raises "Invalid procedure call or argument" for any other.
SaveMode saveModeArg(const Variant& mode);

}  // namespace qh::sim::outlook
