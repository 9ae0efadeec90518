#pragma once

#include <string>
#include <utility>

#include "automation/Error.h"
#include "automation/Object.h"

namespace qh::core {

void WriteLog(const std::string& message);

// Runs the steps of a procedure that logs and goes on: a failing step writes one log line,
// the procedure's tag directly followed by the error's description, and the procedure
// continues with its next step.
class LoggedSteps {
 public:
  explicit LoggedSteps(std::string tag) : tag_(std::move(tag)) {}

  template <class F>
  void operator()(F&& step) {
    try {
      step();
    } catch (...) {
      failed(describeCurrentException());
    }
  }

  // A test whose evaluation may fail: a failed test counts as true, so the statements it
  // guards still run (as a resumed error handler does).
  template <class F>
  bool test(F&& condition) {
    try {
      return condition();
    } catch (...) {
      failed(describeCurrentException());
      return true;
    }
  }

  const std::string& tag() const { return tag_; }
  // The description of the first step that failed, or empty when none has: the cause that the
  // later failures of a procedure follow from.
  const std::string& firstFailure() const { return firstFailure_; }

 private:
  void failed(const std::string& description) {
    if (firstFailure_.empty()) firstFailure_ = description;
    WriteLog(tag_ + description);
  }

  std::string tag_;
  std::string firstFailure_;
};

// The object behind a reference; an empty reference raises "Object variable not set", as a
// call through Nothing does.
template <class T>
T& use(const Ref<T>& object) {
  if (!object) throw Error(ErrorCode::ObjectNotSet);
  return *object;
}

}  // namespace qh::core
