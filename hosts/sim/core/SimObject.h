#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/DispatchTable.h"
#include "automation/Object.h"

namespace qh::sim {

enum class FaultMode { Once, Always };

// The base of every simulated host object. It adds the two things a test needs on top of the
// object's own behaviour (dispatch):
// - fault injection: any member can be told to fail with a given description, once or
//   always, optionally only for some arguments;
// - a record of the calls made on it, when a test asks for one, as readable lines such as
//   "Put Caption = New Time" or "Call Add(1, missing)".
class SimObject : public Object {
 public:
  using FaultFilter = std::function<bool(CallKind kind, const Args& args)>;

  void failOn(std::string member, std::string description, FaultMode mode = FaultMode::Always,
              FaultFilter when = {}, std::int32_t code = kDefaultFaultCode);
  void clearFaults();

  void recordCalls(bool on = true);
  const std::vector<std::string>& recordedCalls() const;
  void clearRecordedCalls();

  Variant invoke(std::string_view name, CallKind kind, Args& args) final;

  // The code a failing host call carries when a test gives none (E_FAIL, as Office's).
  static constexpr std::int32_t kDefaultFaultCode = static_cast<std::int32_t>(0x80004005u);

 protected:
  virtual Variant dispatch(std::string_view name, CallKind kind, Args& args) = 0;

 private:
  struct Fault {
    std::string member;
    std::string description;
    FaultMode mode;
    FaultFilter when;
    std::int32_t code;
  };
  struct Diagnostics {
    std::vector<Fault> faults;
    bool recording = false;
    std::vector<std::string> calls;
  };
  void raiseInjectedFault(std::string_view name, CallKind kind, const Args& args);
  Diagnostics& diagnostics();

  std::unique_ptr<Diagnostics> diagnostics_;  // only objects a test touched pay for it
};

// One line of a call record, e.g. "Put Visible = False" or "Call Item(\"Quillhour\")".
std::string describeCall(std::string_view name, CallKind kind, const Args& args);
// A value as a call record shows it: text quoted, objects as <object>, omitted as missing.
std::string describeValue(const Variant& v);

// A simulated object whose members come from a per-class DispatchTable.
template <class T>
class TableObject : public SimObject {
 protected:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) override {
    return T::table().invoke(static_cast<T&>(*this), name, kind, args);
  }
};

}  // namespace qh::sim
