#pragma once

#include <string>

#include "automation/Object.h"
#include "automation/Variant.h"
#include "core/LoggedSteps.h"

namespace qh::core {

// The reading rule of the tag list: every "; " becomes ";", then the text is split at every
// ";". An empty text is an empty list; elements keep their spaces and may be empty.
StringArray ParseTagList(const std::string& text);
// The body syntax: the tags joined by "; ".
std::string JoinTagList(const std::vector<std::string>& tags);

// Loads TagArray from the settings item; logs each failing step under "GlobalInitSettings:".
void GlobalInitSettings();

// Clears a list control and adds each tag, trimmed of spaces (only spaces), in order. No
// handler of its own: a failure goes to the caller.
void FillTagCombo(Object& control, const StringArray& tags);

// Stores the tag list in the settings item, creating the item with its fixed fields when the
// calendar has none; each failing step is logged under the caller's tag. Answers whether the
// body reached the mailbox (set, then the item closed with saving).
bool WriteSettingsItem(LoggedSteps& steps, const std::string& body);

// Trims leading and trailing space characters only (tabs and other white space stay).
std::string TrimSpaces(const std::string& text);

}  // namespace qh::core
