#include "hosts/sim/outlook/OutlookArgs.h"

#include "automation/Error.h"

namespace qh::sim::outlook {

size_t oneBasedIndex(const Variant& index, size_t count) {
  constexpr std::int32_t kBadIndex = static_cast<std::int32_t>(0x8002000Bu);  // DISP_E_BADINDEX
  const std::int32_t i = index.toInt32();
  if (i < 1 || static_cast<size_t>(i) > count) throw Error(kBadIndex, "Array index out of bounds.");
  return static_cast<size_t>(i - 1);
}

SaveMode saveModeArg(const Variant& mode) {
  const std::int32_t m = mode.toInt32();
  if (m < 0 || m > 2) throw Error(ErrorCode::InvalidCall);
  return static_cast<SaveMode>(m);
}

}  // namespace qh::sim::outlook
