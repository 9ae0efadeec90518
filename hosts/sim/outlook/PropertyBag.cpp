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

std::vector<Variant>& PropertyBag::ownValues() {
  if (values_.use_count() > 1) values_ = std::make_shared<std::vector<Variant>>(*values_);
  return *values_;
}

void PropertyBag::declare(std::string name, Variant initial) {
  auto names = std::make_shared<std::vector<std::string>>(*names_);
  names->push_back(std::move(name));
  names_ = std::move(names);
  ownValues().push_back(std::move(initial));
}

std::ptrdiff_t PropertyBag::indexOf(std::string_view name) const {
  const std::vector<std::string>& names = *names_;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (memberNameEquals(names[i], name)) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

const Variant* PropertyBag::find(std::string_view name) const {
  const std::ptrdiff_t i = indexOf(name);
  return i < 0 ? nullptr : &(*values_)[static_cast<std::size_t>(i)];
}

const Variant& PropertyBag::get(std::string_view name) const {
  const Variant* v = find(name);
  if (!v) throw Error(ErrorCode::NotSupported);
  return *v;
}

void PropertyBag::set(std::string_view name, const Variant& value) {
  set(name, Variant(value));
}

void PropertyBag::set(std::string_view name, Variant&& value) {
  const std::ptrdiff_t i = indexOf(name);
  if (i < 0) throw Error(ErrorCode::NotSupported);
  // The new value is converted before the values are copied, so a failing conversion leaves
  // them shared.
  const Variant& like = (*values_)[static_cast<std::size_t>(i)];
  Variant converted = value.type() == like.type() ? std::move(value) : convertLike(like, value);
  ownValues()[static_cast<std::size_t>(i)] = std::move(converted);
}

}  // namespace qh::sim::outlook
