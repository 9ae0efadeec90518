#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "hosts/sim/core/CallTap.h"
#include "hosts/sim/core/SimObject.h"

namespace qh::testing {

// The sweep's tap on the simulated host: it numbers the member calls made on simulated
// objects in the order they come, records them, and in a replay makes one of them fail or
// answer Nothing. It also marks every object it sees, so that a test can count how many of
// them are still alive when everything should have let go of them.
class SweepTap : public sim::CallTap {
 public:
  enum class Mode { Record, Fail, Nothing };
  struct Call {
    std::string what;  // e.g. "Call Restrict(\"[Start] >= ...\")"
    bool answersObject = false;
  };

  SweepTap() = default;
  SweepTap(Mode mode, std::size_t target, std::string description)
      : mode_(mode), target_(target), description_(std::move(description)) {}

  void before(sim::SimObject& object, std::string_view name, CallKind kind,
              const Args& args) override;
  void after(sim::SimObject& object, std::string_view name, CallKind kind,
             Variant& result) override;

  const std::vector<Call>& calls() const { return calls_; }
  // Whether the chosen call came, and so was made to fail or answer Nothing.
  bool injected() const { return injected_; }
  // How many of the objects this tap saw are still alive.
  long aliveSeen() const { return token_.use_count() - 1; }

 private:
  struct Open {
    const void* object;
    std::string name;
    std::size_t index;
  };
  void mark(sim::SimObject& object);

  Mode mode_ = Mode::Record;
  std::size_t target_ = 0;
  std::string description_;
  std::size_t next_ = 0;
  bool injected_ = false;
  std::vector<Call> calls_;
  std::vector<Open> open_;  // calls under way, innermost last
  std::shared_ptr<int> token_ = std::make_shared<int>(0);
  std::unordered_set<const void*> marked_;
};

}  // namespace qh::testing
