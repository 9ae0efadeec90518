#pragma once

#include <cstdint>
#include <cstring>

namespace qh::sim::xls {

// Both file formats store their numbers little-endian, whatever the machine reading them.
inline std::uint16_t readU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint64_t readU64(const std::uint8_t* p) {
  return static_cast<std::uint64_t>(readU32(p)) |
         (static_cast<std::uint64_t>(readU32(p + 4)) << 32);
}

inline double readF64(const std::uint8_t* p) {
  const std::uint64_t bits = readU64(p);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace qh::sim::xls
