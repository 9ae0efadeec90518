#pragma once

#include <cstdint>

namespace qh {

// The 16-bit signed counter of the add-in (loop indices, counts, the registry's upper index,
// the export's row counter). Leaving its range raises Error("Overflow") instead of wrapping.
class Int16 {
 public:
  constexpr Int16() = default;
  constexpr Int16(std::int16_t v) : v_(v) {}

  static Int16 checked(long long v);  // raises Overflow outside -32768..32767

  constexpr std::int16_t value() const { return v_; }
  constexpr operator std::int16_t() const { return v_; }

  Int16& operator++();
  Int16& operator+=(long long n);

 private:
  std::int16_t v_ = 0;
};

}  // namespace qh
