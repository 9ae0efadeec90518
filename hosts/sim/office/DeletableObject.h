#pragma once

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

// A simulated Office object that can be deleted: a command bar, a control, a task pane. Once
// deleted (by its Delete member, or because the collection or window it lived in ended),
// every member raises as a COM object whose host object is gone does, while the C++ object
// itself lives on for as long as references to it remain.
class DeletableObject : public SimObject {
 public:
  bool isDeleted() const noexcept { return deleted_; }

  // Marks the object gone. Subclasses extend it to let go of what they hold (their controls,
  // their content); it never raises, since containers call it from their destructors.
  virtual void markDeleted() noexcept { deleted_ = true; }

 protected:
  // The object's own members, reached only while it is not deleted.
  virtual Variant dispatchLive(std::string_view name, CallKind kind, Args& args) = 0;

 private:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) final;

  bool deleted_ = false;
};

}  // namespace qh::sim
