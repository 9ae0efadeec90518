#include "tests/sweep/SweepTap.h"

#include <algorithm>

namespace qh::testing {

void SweepTap::mark(sim::SimObject& object) {
  if (!marked_.insert(&object).second) return;
  // A fault that never fires, holding a share of the token: it ends with the object, so the
  // token's count says how many marked objects live.
  object.failOn("\x01sweep", "", sim::FaultMode::Always,
                [token = token_](CallKind, const Args&) { return false; });
}

void SweepTap::before(sim::SimObject& object, std::string_view name, CallKind kind,
                      const Args& args) {
  mark(object);
  const std::size_t index = next_++;
  if (mode_ == Mode::Record) calls_.push_back({sim::describeCall(name, kind, args), false});
  if (mode_ == Mode::Fail && index == target_) {
    injected_ = true;
    throw Error(sim::SimObject::kDefaultFaultCode, description_);
  }
  open_.push_back({&object, std::string(name), index});
}

void SweepTap::after(sim::SimObject& object, std::string_view name, CallKind, Variant& result) {
  // The innermost open call of this object and member; calls above it ended by raising.
  const auto it = std::find_if(open_.rbegin(), open_.rend(), [&](const Open& o) {
    return o.object == &object && o.name == name;
  });
  if (it == open_.rend()) return;
  const std::size_t index = it->index;
  open_.erase(std::next(it).base(), open_.end());
  const bool answersObject = result.type() == Variant::Type::Object && result.toObject();
  if (mode_ == Mode::Record) calls_[index].answersObject = answersObject;
  if (mode_ == Mode::Nothing && index == target_ && answersObject) {
    injected_ = true;
    result = Variant(Ref<Object>());
  }
}

}  // namespace qh::testing
