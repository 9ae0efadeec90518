#pragma once

#include <cstdint>
#include <functional>

#include "automation/Error.h"

namespace qh::forms::fakes {

// The code of the Error that f raises, or 0 when it raises none.
inline std::int32_t errorCode(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.code();
  }
  return 0;
}

inline constexpr std::int32_t kInvalidCall = static_cast<std::int32_t>(ErrorCode::InvalidCall);
inline constexpr std::int32_t kInvalidValue =
    static_cast<std::int32_t>(ErrorCode::InvalidPropertyValue);
inline constexpr std::int32_t kNotSupported = static_cast<std::int32_t>(ErrorCode::NotSupported);

}  // namespace qh::forms::fakes
