#include "hosts/sim/core/SimObject.h"

#include <algorithm>

#include "hosts/sim/core/CallTap.h"

namespace qh::sim {

SimObject::Diagnostics& SimObject::diagnostics() {
  if (!diagnostics_) diagnostics_ = std::make_unique<Diagnostics>();
  return *diagnostics_;
}

void SimObject::failOn(std::string member, std::string description, FaultMode mode,
                       FaultFilter when, std::int32_t code) {
  diagnostics().faults.push_back(
      Fault{std::move(member), std::move(description), mode, std::move(when), code});
}

void SimObject::clearFaults() {
  if (diagnostics_) diagnostics_->faults.clear();
}

void SimObject::recordCalls(bool on) {
  diagnostics().recording = on;
}

const std::vector<std::string>& SimObject::recordedCalls() const {
  static const std::vector<std::string> kNone;
  return diagnostics_ ? diagnostics_->calls : kNone;
}

void SimObject::clearRecordedCalls() {
  if (diagnostics_) diagnostics_->calls.clear();
}

void SimObject::raiseInjectedFault(std::string_view name, CallKind kind, const Args& args) {
  auto& faults = diagnostics_->faults;
  for (auto it = faults.begin(); it != faults.end(); ++it) {
    if (!memberNameEquals(it->member, name)) continue;
    if (it->when && !it->when(kind, args)) continue;
    Error error(it->code, it->description);
    if (it->mode == FaultMode::Once) faults.erase(it);
    throw error;
  }
}

Variant SimObject::invoke(std::string_view name, CallKind kind, Args& args) {
  CallTap* tap = CallTap::current();
  if (tap) tap->before(*this, name, kind, args);
  if (diagnostics_) {
    if (diagnostics_->recording) diagnostics_->calls.push_back(describeCall(name, kind, args));
    if (!diagnostics_->faults.empty()) raiseInjectedFault(name, kind, args);
  }
  if (!tap) return dispatch(name, kind, args);
  Variant result = dispatch(name, kind, args);
  tap->after(*this, name, kind, result);
  return result;
}

std::string describeValue(const Variant& v) {
  switch (v.type()) {
    case Variant::Type::Missing:
      return "missing";
    case Variant::Type::Empty:
      return "Empty";
    case Variant::Type::Null:
      return "Null";
    case Variant::Type::Object:
      return v.toObject() ? "<object>" : "Nothing";
    case Variant::Type::String:
      return "\"" + v.asString() + "\"";
    case Variant::Type::StringArray: {
      const StringArray& a = v.toStringArray();
      if (!a.assigned) return "<unassigned array>";
      std::string out = "[";
      for (size_t i = 0; i < a.items.size(); ++i) out += (i ? ", \"" : "\"") + a.items[i] + "\"";
      return out + "]";
    }
    default:
      return v.toString();
  }
}

std::string describeCall(std::string_view name, CallKind kind, const Args& args) {
  std::string out;
  if (kind == CallKind::Put) {
    out = "Put " + std::string(name);
    if (args.size() > 1) {
      out += "(";
      for (size_t i = 0; i + 1 < args.size(); ++i) out += (i ? ", " : "") + describeValue(args[i]);
      out += ")";
    }
    return out + " = " + (args.empty() ? std::string("?") : describeValue(args.back()));
  }
  out = (kind == CallKind::Get ? "Get " : "Call ") + std::string(name);
  if (!args.empty()) {
    out += "(";
    for (size_t i = 0; i < args.size(); ++i) out += (i ? ", " : "") + describeValue(args[i]);
    out += ")";
  }
  return out;
}

}  // namespace qh::sim
