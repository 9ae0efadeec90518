#pragma once

#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {

// A contact (Class 40): FullName, Email1Address, Body, Categories. Contacts cannot be sent.
class ContactItem : public Item {
 public:
  explicit ContactItem(WeakLink<Application> app);

 protected:
  bool dispatchOwn(std::string_view name, CallKind kind, Args& args, Variant& result) override;
};

}  // namespace qh::sim::outlook
