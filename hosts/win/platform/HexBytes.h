#pragma once

#include <string>
#include <string_view>

namespace qh::win {

// Bytes as hexadecimal text and back, so that binary registry data crosses an automation
// call as a string (strings cross as UTF-16, which would not keep arbitrary bytes).
std::string toHex(std::string_view bytes);
// Raises Error(InvalidCall) for text that is not pairs of hexadecimal digits.
std::string fromHex(std::string_view text);

}  // namespace qh::win
