#pragma once

#include <functional>
#include <string>
#include <utility>

#include "automation/Error.h"
#include "automation/Object.h"

namespace qh::fakes {

// An object whose default member answers a fixed value, as an Outlook folder answers its
// name; any other member is unknown.
class ValueObject : public Object {
 public:
  explicit ValueObject(Variant value) : value_(std::move(value)) {}

  Variant invoke(std::string_view name, CallKind kind, Args&) override {
    if (name.empty() && kind != CallKind::Put) return value_;
    throw Error(ErrorCode::NotSupported);
  }

 private:
  Variant value_;
};

// An object that reports its own end, so a test sees when and in what state it ends.
class Probe : public Object {
 public:
  explicit Probe(std::function<void()> onDestroy = {}) : onDestroy_(std::move(onDestroy)) {}
  ~Probe() override {
    if (onDestroy_) onDestroy_();
  }

  Variant invoke(std::string_view, CallKind, Args&) override {
    throw Error(ErrorCode::NotSupported);
  }

 private:
  std::function<void()> onDestroy_;
};

}  // namespace qh::fakes
