// A calendar file and one change to one of its entries: written, and read again.
#include <cstddef>
#include <cstdint>

#include "fuzz/CalendarProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qh::fuzz::changeOneEntry(data, size);
  return 0;
}
