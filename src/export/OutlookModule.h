#pragma once

#include <string>

#include "automation/Object.h"

namespace qh::exporting {

// The kind of value a user property holds, and the Outlook property type it is created with.
enum UserPropertyKind : std::int32_t {
  kKindInteger = 2,  // olNumber
  kKindDate = 7,     // olDateTime
  kKindText = 8,     // olText
  kKindYesNo = 11,   // olYesNo
};

// User properties of an Outlook item, reached through its UserProperties by name. All three
// ignore every error: a property that cannot be found or created reads as the defaults and is
// simply not written. None saves the item.
Variant GetUserProperty(Object& item, const std::string& name, std::int32_t kind,
                        const Variant& defaultValue);
void SetUserProperty(Object* item, const std::string& name, const Variant& value, std::int32_t kind,
                     bool addToFolderFields);
void DeleteUserProperty(Object* item, const std::string& name);

}  // namespace qh::exporting
