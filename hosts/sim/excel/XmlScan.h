#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qh::sim::xml {

using Attributes = std::map<std::string, std::string>;

// The attributes of every element named `name` (as written, with its prefix) in a document,
// in document order, their values unescaped. A document that is not well-formed raises
// std::runtime_error.
std::vector<Attributes> elementsNamed(std::string_view document, std::string_view name);

}  // namespace qh::sim::xml
