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

std::vector<PropertyBag::Entry>& PropertyBag::own() {
  if (entries_.use_count() > 1) entries_ = std::make_shared<std::vector<Entry>>(*entries_);
  return *entries_;
}

void PropertyBag::declare(std::string name, Variant initial) {
  own().push_back({std::move(name), std::move(initial)});
}

const PropertyBag::Entry* PropertyBag::find(std::string_view name) const {
  for (const Entry& e : *entries_)
    if (memberNameEquals(e.name, name)) return &e;
  return nullptr;
}

const Variant& PropertyBag::get(std::string_view name) const {
  const Entry* e = find(name);
  if (!e) throw Error(ErrorCode::NotSupported);
  return e->value;
}

void PropertyBag::set(std::string_view name, const Variant& value) {
  const Entry* shared = find(name);
  if (!shared) throw Error(ErrorCode::NotSupported);
  // The new value is converted before the entries are copied, so a failing conversion leaves
  // them shared.
  Variant converted = convertLike(shared->value, value);
  const auto index = static_cast<std::size_t>(shared - entries_->data());
  own()[index].value = std::move(converted);
}

}  // namespace qh::sim::outlook
