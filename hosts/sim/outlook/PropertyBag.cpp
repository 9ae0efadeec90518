#include "hosts/sim/outlook/PropertyBag.h"

#include "automation/Error.h"
#include "automation/Object.h"

namespace qh::sim::outlook {
namespace {

Variant convertLike(const Variant& like, const Variant& value) {
  switch (like.type()) {
    case Variant::Type::String:
      return Variant(value.toString());
    case Variant::Type::Bool:
      return Variant(value.toBool());
    case Variant::Type::Int32:
      return Variant(value.toInt32());
    case Variant::Type::Double:
      return Variant(value.toDouble());
    case Variant::Type::Date:
      return Variant(value.toDate());
    default:
      return value;
  }
}

}  // namespace

void PropertyBag::declare(std::string name, Variant initial) {
  entries_.push_back({std::move(name), std::move(initial)});
}

const PropertyBag::Entry* PropertyBag::find(std::string_view name) const {
  for (const Entry& e : entries_)
    if (memberNameEquals(e.name, name)) return &e;
  return nullptr;
}

PropertyBag::Entry& PropertyBag::require(std::string_view name) {
  for (Entry& e : entries_)
    if (memberNameEquals(e.name, name)) return e;
  throw Error(ErrorCode::NotSupported);
}

const Variant& PropertyBag::get(std::string_view name) const {
  const Entry* e = find(name);
  if (!e) throw Error(ErrorCode::NotSupported);
  return e->value;
}

void PropertyBag::set(std::string_view name, const Variant& value) {
  Entry& e = require(name);
  e.value = convertLike(e.value, value);
}

}  // namespace qh::sim::outlook
