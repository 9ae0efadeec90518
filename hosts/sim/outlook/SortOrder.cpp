#include "hosts/sim/outlook/SortOrder.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "automation/Error.h"
#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kUnknownProperty = static_cast<std::int32_t>(0x80020009u);

// Orders two stored values of one property: dates and numbers by value, text without
// regard to case (as Outlook's views sort), values of different kinds by kind.
int compareFields(const Variant& a, const Variant& b) {
  using T = Variant::Type;
  auto numeric = [](T t) {
    return t == T::Int16 || t == T::Int32 || t == T::Double || t == T::Bool;
  };
  if (a.type() == T::String && b.type() == T::String) {
    const std::string& x = a.asString();
    const std::string& y = b.asString();
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    for (size_t i = 0; i < x.size() && i < y.size(); ++i)
      if (lower(x[i]) != lower(y[i])) return lower(x[i]) < lower(y[i]) ? -1 : 1;
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
  }
  if (a.type() == T::Date && b.type() == T::Date) {
    const Date x = a.toDate(), y = b.toDate();
    return x < y ? -1 : (y < x ? 1 : 0);
  }
  if (numeric(a.type()) && numeric(b.type())) {
    const double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : (y < x ? 1 : 0);
  }
  return a.type() < b.type() ? -1 : (b.type() < a.type() ? 1 : 0);
}

}  // namespace

SortOrder::SortOrder(std::string_view property, bool descending) : descending_(descending) {
  if (property.size() >= 2 && property.front() == '[' && property.back() == ']')
    property = property.substr(1, property.size() - 2);
  if (property.empty()) throw Error(kUnknownProperty, "The property \"\" is unknown.");
  property_ = std::string(property);
}

bool SortOrder::byStartAscending() const {
  return !descending_ && memberNameEquals(property_, "Start");
}

void SortOrder::sort(std::vector<Ref<Item>>& items) const {
  struct Keyed {
    std::optional<Variant> key;
    Ref<Item> item;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(items.size());
  bool known = items.empty();
  for (Ref<Item>& item : items) {
    std::optional<Variant> key = item->field(property_);
    known = known || key.has_value();
    keyed.push_back({std::move(key), std::move(item)});
  }
  if (!known) {
    for (size_t i = 0; i < keyed.size(); ++i) items[i] = std::move(keyed[i].item);
    throw Error(kUnknownProperty, "The property \"" + property_ + "\" is unknown.");
  }
  std::stable_sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
    if (!a.key || !b.key) return a.key.has_value() && !b.key.has_value();
    const int order = compareFields(*a.key, *b.key);
    return descending_ ? order > 0 : order < 0;
  });
  for (size_t i = 0; i < keyed.size(); ++i) items[i] = std::move(keyed[i].item);
}

}  // namespace qh::sim::outlook
