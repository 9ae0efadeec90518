#pragma once

#include <string>
#include <vector>

#include "hosts/sim/outlook/Item.h"

// Items of the mailbox as the program prints them.
namespace qh::app {

// One line of `list`: EntryID, start (YYYY-MM-DD HH:MM), minutes, categories and subject,
// separated by tabs. Items without a start (mail) show blanks there.
std::string listLine(sim::outlook::Item& item);

// `show item`: one "name: value" line per property a user sees in the item's window, texts
// quoted, then whether it is saved.
std::vector<std::string> itemLines(sim::outlook::Item& item);

}  // namespace qh::app
