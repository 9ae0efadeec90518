#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Variant.h"

namespace qh::sim::outlook {

// The plain properties of an Outlook item: each declared once with its initial value, whose
// type it keeps. Names match without regard to case. A value set later is converted to the
// declared type, as Outlook coerces what a late-bound caller assigns.
//
// Copies share their names for good and their values until one of them changes: an item's
// working and saved values are one list for as long as the item is unchanged, which is most
// items of a large mailbox, and every item of a kind can start from one declared bag.
// A reference from get or find stays valid until this bag is next changed.
class PropertyBag {
 public:
  void declare(std::string name, Variant initial);
  // The value, or null for a property that was never declared.
  const Variant* find(std::string_view name) const;
  // Raises Error(NotSupported) for a property that was never declared.
  const Variant& get(std::string_view name) const;
  void set(std::string_view name, const Variant& value);
  // The same, taking over a value that already has the declared type.
  void set(std::string_view name, Variant&& value);
  // True when both bags hold the very same values, as a copy does until either changes.
  bool sharesValuesWith(const PropertyBag& other) const { return values_ == other.values_; }

 private:
  std::ptrdiff_t indexOf(std::string_view name) const;
  // The values, for a change: copied first when another bag shares them.
  std::vector<Variant>& ownValues();

  std::shared_ptr<const std::vector<std::string>> names_ =
      std::make_shared<const std::vector<std::string>>();
  std::shared_ptr<std::vector<Variant>> values_ = std::make_shared<std::vector<Variant>>();
};

}  // namespace qh::sim::outlook
