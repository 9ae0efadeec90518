#include "hosts/sim/system/LocalPath.h"

#include <algorithm>

namespace qh::sim {

std::string toLocalPath(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

}  // namespace qh::sim
