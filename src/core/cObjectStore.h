#pragma once

#include <vector>

#include "automation/DispatchTable.h"
#include "automation/Int16.h"
#include "automation/Object.h"

namespace qh::core {

// The registry that keeps window wrappers alive: slots of object references, found by COM
// identity, reused when freed, growing by 16 and never shrinking. It holds the only lasting
// reference to each wrapper, and the Outlook Inspectors that inspector wrappers register.
class cObjectStore : public Object {
 public:
  static constexpr int kInitialUpperIndex = 32;
  static constexpr int kGrowth = 16;

  cObjectStore();
  ~cObjectStore() override;

  void DeleteAll();
  void Add(const Ref<Object>& object);
  void Delete(const Object* object);
  bool Exists(const Object* object) const;

  int upperIndex() const { return upper_; }
  int occupiedSlots() const;

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<cObjectStore>& table();

  Int16 upper_{kInitialUpperIndex};
  std::vector<Ref<Object>> slots_;
};

}  // namespace qh::core
