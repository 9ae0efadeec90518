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
// Copies share their entries until one of them changes: an item's working and saved values
// are one list for as long as the item is unchanged, which is most items of a large mailbox.
// A reference from get stays valid until this bag is next changed.
class PropertyBag {
 public:
  void declare(std::string name, Variant initial);
  bool has(std::string_view name) const { return find(name) != nullptr; }
  // Raises Error(NotSupported) for a property that was never declared.
  const Variant& get(std::string_view name) const;
  void set(std::string_view name, const Variant& value);

 private:
  struct Entry {
    std::string name;
    Variant value;
  };
  const Entry* find(std::string_view name) const;
  // The entries, for a change: copied first when another bag shares them.
  std::vector<Entry>& own();

  std::shared_ptr<std::vector<Entry>> entries_ = std::make_shared<std::vector<Entry>>();
};

}  // namespace qh::sim::outlook
