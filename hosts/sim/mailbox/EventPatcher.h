#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qh::sim::mailbox {

// A change to one property of a VEVENT.
struct PropertyEdit {
  std::string name;                // which property (case-insensitive)
  std::vector<std::string> lines;  // unfolded content lines to put there; none removes it
};

// Applies edits to a VEVENT's text and keeps every other byte of it. An edit's lines take the
// place of the first property of its name among the VEVENT's own properties (never one of a
// VALARM's); further properties of that name go. When the VEVENT has no such property, the
// lines go before its first inner component, or before END:VEVENT. New lines are folded and
// end in lineEnding.
std::string patchEvent(std::string_view text, const std::vector<PropertyEdit>& edits,
                       std::string_view lineEnding);

}  // namespace qh::sim::mailbox
