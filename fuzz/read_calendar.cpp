// Any bytes as a calendar file: read, and written back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/CalendarProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qh::fuzz::readAndWriteBackUnchanged(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
