#include "hosts/sim/outlook/UserPropertyList.h"

#include <algorithm>

#include "automation/Error.h"
#include "automation/Object.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057u);
constexpr std::int32_t kFailed = static_cast<std::int32_t>(0x80004005u);
constexpr size_t kLongestName = 64;

bool simulatedType(int type) {
  return type == kUserText || type == kUserNumber || type == kUserDateTime || type == kUserYesNo;
}

// Outlook refuses these characters in the name of a user property.
bool usableName(std::string_view name) {
  return !name.empty() && name.size() <= kLongestName &&
         name.find_first_of("[]_#") == std::string_view::npos;
}

}  // namespace

std::vector<UserPropertyValue> UserPropertyList::values() const {
  std::vector<UserPropertyValue> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(e.property);
  return out;
}

const UserPropertyList::Entry* UserPropertyList::find(std::string_view name) const {
  for (const Entry& e : entries_)
    if (memberNameEquals(e.property.name, name)) return &e;
  return nullptr;
}

const UserPropertyList::Entry* UserPropertyList::byId(unsigned id) const {
  for (const Entry& e : entries_)
    if (e.id == id) return &e;
  return nullptr;
}

UserPropertyList::Entry& UserPropertyList::require(unsigned id) {
  for (Entry& e : entries_)
    if (e.id == id) return e;
  throw Error(kFailed, "The property has been deleted.");
}

const UserPropertyList::Entry& UserPropertyList::add(unsigned id, std::string name, int type,
                                                     bool addToFolderFields) {
  if (!simulatedType(type)) throw Error(ErrorCode::InvalidCall);
  if (!usableName(name)) throw Error(kInvalidArgument, "The property name is not valid.");
  if (find(name)) throw Error(kFailed, "A property named \"" + name + "\" already exists.");
  Variant empty = emptyValue(type);
  entries_.push_back({id, {std::move(name), type, std::move(empty)}, addToFolderFields});
  return entries_.back();
}

void UserPropertyList::seed(unsigned id, UserPropertyValue property) {
  auto same = [&](const Entry& e) { return memberNameEquals(e.property.name, property.name); };
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), same), entries_.end());
  entries_.push_back({id, std::move(property), false});
}

void UserPropertyList::setValue(unsigned id, const Variant& value) {
  Entry& e = require(id);
  e.property.value = converted(e.property.type, value);
}

void UserPropertyList::remove(unsigned id) {
  require(id);
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
      entries_.end());
}

Variant UserPropertyList::emptyValue(int type) {
  switch (type) {
    case kUserNumber:
      return Variant(0.0);
    case kUserDateTime:
      return Variant(Date::fromParts(4501, 1, 1));  // Outlook's date "None"
    case kUserYesNo:
      return Variant(false);
    default:
      return Variant(std::string());
  }
}

Variant UserPropertyList::converted(int type, const Variant& value) {
  switch (type) {
    case kUserNumber:
      return Variant(value.toDouble());
    case kUserDateTime:
      return Variant(value.toDate());
    case kUserYesNo:
      return Variant(value.toBool());
    default:
      return Variant(value.toString());
  }
}

}  // namespace qh::sim::outlook
