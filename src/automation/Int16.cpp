#include "automation/Int16.h"

#include "automation/Error.h"

namespace qh {

Int16 Int16::checked(long long v) {
  if (v < INT16_MIN || v > INT16_MAX) throw Error(ErrorCode::Overflow);
  return Int16(static_cast<std::int16_t>(v));
}

Int16& Int16::operator++() {
  return *this += 1;
}

Int16& Int16::operator+=(long long n) {
  v_ = checked(static_cast<long long>(v_) + n).value();
  return *this;
}

}  // namespace qh
