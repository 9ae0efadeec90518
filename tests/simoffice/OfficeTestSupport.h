#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "automation/Events.h"

namespace qh::sim::testing {

// An event sink that records each event's name and runs what the test asks of it, which may
// write by-reference arguments or raise.
class EventRecorder : public EventSink {
 public:
  explicit EventRecorder(std::function<void(Args&)> action = {}) : action_(std::move(action)) {}

  void onEvent(std::string_view name, Args& args) override {
    events.emplace_back(name);
    if (action_) action_(args);
  }

  std::vector<std::string> events;

 private:
  std::function<void(Args&)> action_;
};

// A pane's content control that tells when it ends.
class ProbeControl : public Object {
 public:
  explicit ProbeControl(bool& ended) : ended_(ended) {}
  ~ProbeControl() override { ended_ = true; }
  Variant invoke(std::string_view, CallKind, Args&) override {
    throw Error(ErrorCode::NotSupported);
  }

 private:
  bool& ended_;
};

// The failure an automation call raises, as "<code in hex>: <description>", or "no error".
template <class F>
std::string failureOf(F&& call) {
  try {
    call();
  } catch (const Error& e) {
    char code[16];
    std::snprintf(code, sizeof code, "%X", static_cast<std::uint32_t>(e.code()));
    return std::string(code) + ": " + e.description();
  }
  return "no error";
}

inline const std::string kInvalidArgument = "5: Invalid procedure call or argument";
inline const std::string kDisconnected =
    "80010108: The object invoked has disconnected from its clients.";

}  // namespace qh::sim::testing
