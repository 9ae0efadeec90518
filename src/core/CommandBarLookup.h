#pragma once

#include "automation/Object.h"

namespace qh::core {

// Look-ups of a command bar or control that may not be there yet, with errors ignored: each
// answers an empty reference when the owner is empty, has no such item or cannot be asked.

// The window's (explorer's or inspector's) command bar named name.
Ref<Object> findCommandBar(Object* window, const char* name);
// The control captioned caption on bar.
Ref<Object> findBarControl(Object* bar, const char* caption);

}  // namespace qh::core
