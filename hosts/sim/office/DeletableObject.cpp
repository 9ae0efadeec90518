#include "hosts/sim/office/DeletableObject.h"

#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {

Variant DeletableObject::dispatch(std::string_view name, CallKind kind, Args& args) {
  if (deleted_) throw office_errors::disconnected();
  return dispatchLive(name, kind, args);
}

}  // namespace qh::sim
