#include "hosts/sim/core/CallTap.h"

namespace qh::sim {
namespace {

thread_local CallTap* installed = nullptr;

}  // namespace

CallTap* CallTap::current() {
  return installed;
}

CallTap::Installed::Installed(CallTap& tap) : previous_(installed) {
  installed = &tap;
}

CallTap::Installed::~Installed() {
  installed = previous_;
}

}  // namespace qh::sim
