#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "automation/Variant.h"

namespace qh::sim::outlook {

// OlUserPropertyType: the kinds of user property the simulated Outlook keeps.
enum UserPropertyType : int {
  kUserText = 1,      // olText
  kUserNumber = 3,    // olNumber
  kUserDateTime = 5,  // olDateTime
  kUserYesNo = 6,     // olYesNo
};

// One user property as the mailbox stores it.
struct UserPropertyValue {
  std::string name;
  int type = kUserText;
  Variant value;  // String, Double, Date or Bool, after the type
};

// The user properties of one item, as a value: an item keeps one list of working values and
// one of saved values, as it does for its other fields. Names match without regard to case,
// as Outlook matches them. Each property carries an id that stays with it while the item
// lives, so that a UserProperty object keeps denoting the property it was made for.
class UserPropertyList {
 public:
  struct Entry {
    unsigned id = 0;
    UserPropertyValue property;
    bool addedToFolderFields = false;
  };

  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<UserPropertyValue> values() const;
  const Entry* find(std::string_view name) const;
  const Entry* byId(unsigned id) const;

  // A new property with the type's empty value. Raises for a type that is not simulated, an
  // unusable name, or a name already in use.
  const Entry& add(unsigned id, std::string name, int type, bool addToFolderFields);
  // A property as it is already stored; an existing one of that name is replaced.
  void seed(unsigned id, UserPropertyValue property);
  // Converts the value to the property's type, as Outlook does; raises Type mismatch when it
  // cannot, leaving the value as it was.
  void setValue(unsigned id, const Variant& value);
  void remove(unsigned id);

  // The empty value of a new property of the type ("", 0, the date "none", False).
  static Variant emptyValue(int type);
  static Variant converted(int type, const Variant& value);

 private:
  Entry& require(unsigned id);

  std::vector<Entry> entries_;
};

}  // namespace qh::sim::outlook
