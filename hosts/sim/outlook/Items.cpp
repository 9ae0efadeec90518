#include "hosts/sim/outlook/Items.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/ItemFilter.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
namespace {

ItemFilter parseFilter(const Folder& folder, std::string_view filter) {
  Application* app = folder.application();
  return ItemFilter::parse(filter, app ? app->settings().parseDate : ItemFilter::DateParser());
}

}  // namespace

Items::Items(Ref<Folder> folder) : folder_(std::move(folder)) {}

Items::Items(Ref<Folder> folder, std::vector<Ref<Item>> items, std::optional<SortOrder> order,
             bool includeRecurrences)
    : folder_(std::move(folder)),
      order_(std::move(order)),
      includeRecurrences_(includeRecurrences) {
  holdOwn(std::move(items));
}

Items::~Items() {
  if (own_) folder_->unwatch(*this);
}

const ItemSequence& Items::sequence() const {
  return own_ ? *own_ : folder_->sequence();
}

void Items::holdOwn(std::vector<Ref<Item>> items) {
  if (!own_) folder_->watch(*this);
  own_ = std::make_unique<ItemSequence>(std::move(items));
}

void Items::removed(const Item& item) {
  if (own_) own_->remove(item);
}

Ref<Item> Items::item(const Variant& index) const {
  return sequence().at(oneBasedIndex(index, count()));
}

Ref<Item> Items::find(std::string_view filter) const {
  const ItemFilter parsed = parseFilter(*folder_, filter);
  for (const Ref<Item>& item : sequence().items())
    if (parsed.matches(*item)) return item;
  return nullptr;
}

Ref<Item> Items::add(const Variant& type) {
  Application* app = folder_->application();
  if (!app) throw Error(ErrorCode::ObjectNotSet);
  const int itemType = type.isMissing() ? folder_->defaultItemType() : type.toInt32();
  Ref<Item> item = app->createItem(itemType);
  item->setHome(*folder_);
  return item;
}

// Outlook expands a series only in a collection that is unsorted or sorted by Start.
bool Items::expandsRecurrences() const {
  return includeRecurrences_ && (!order_ || order_->byStartAscending());
}

std::vector<Ref<Item>> Items::candidates() const {
  const std::vector<Ref<Item>>& held = sequence().items();
  if (!expandsRecurrences()) return held;
  std::vector<Ref<Item>> out;
  out.reserve(held.size());
  for (const Ref<Item>& item : held) {
    auto* appointment = dynamic_cast<AppointmentItem*>(item.get());
    if (!appointment || !appointment->recurrence()) {
      out.push_back(item);
      continue;
    }
    for (Ref<AppointmentItem>& occurrence : appointment->occurrences())
      out.push_back(std::move(occurrence));
  }
  return out;
}

Ref<Items> Items::restrict(std::string_view filter) const {
  const ItemFilter parsed = parseFilter(*folder_, filter);
  std::vector<Ref<Item>> matching;
  for (Ref<Item>& item : candidates())
    if (parsed.matches(*item)) matching.push_back(std::move(item));
  if (order_) order_->sort(matching);
  folder_->noteRestriction(std::string(filter));
  return folder_->makeItems(
      makeRef<Items>(folder_, std::move(matching), order_, includeRecurrences_));
}

void Items::sort(std::string_view property, bool descending) {
  SortOrder order(property, descending);
  std::vector<Ref<Item>> items = sequence().items();
  order.sort(items);
  holdOwn(std::move(items));
  order_ = std::move(order);
  cursor_ = -1;
}

Ref<Item> Items::atCursor() const {
  if (cursor_ < 0 || static_cast<size_t>(cursor_) >= count()) return nullptr;
  return sequence().at(static_cast<size_t>(cursor_));
}

Ref<Item> Items::first() {
  cursor_ = 0;
  return atCursor();
}

Ref<Item> Items::next() {
  if (static_cast<size_t>(cursor_ + 1) <= count()) ++cursor_;
  return atCursor();
}

Ref<Item> Items::last() {
  cursor_ = static_cast<std::ptrdiff_t>(count()) - 1;
  return atCursor();
}

Ref<Item> Items::previous() {
  cursor_ = std::min<std::ptrdiff_t>(cursor_, static_cast<std::ptrdiff_t>(count()));
  if (cursor_ >= 0) --cursor_;
  return atCursor();
}

const DispatchTable<Items>& Items::table() {
  static const DispatchTable<Items> t = [] {
    DispatchTable<Items> d;
    d.get("Count", [](Items& c, Args&) { return Variant(static_cast<int>(c.count())); });
    d.method("Item",
             [](Items& c, Args& a) { return Variant(Ref<Object>(c.item(requiredArg(a, 0)))); });
    d.method("Find", [](Items& c, Args& a) {
      return Variant(Ref<Object>(c.find(requiredArg(a, 0).toString())));
    });
    d.method("Restrict", [](Items& c, Args& a) {
      return Variant(Ref<Object>(c.restrict(requiredArg(a, 0).toString())));
    });
    d.method("Sort", [](Items& c, Args& a) {
      c.sort(requiredArg(a, 0).toString(), argPresent(a, 1) && a[1].toBool());
      return Variant();
    });
    d.get("IncludeRecurrences", [](Items& c, Args&) { return Variant(c.includeRecurrences_); });
    d.put("IncludeRecurrences", [](Items& c, Args& a) {
      c.setIncludeRecurrences(putValue(a).toBool());
      return Variant();
    });
    d.method("GetFirst", [](Items& c, Args&) { return Variant(Ref<Object>(c.first())); });
    d.method("GetNext", [](Items& c, Args&) { return Variant(Ref<Object>(c.next())); });
    d.method("GetLast", [](Items& c, Args&) { return Variant(Ref<Object>(c.last())); });
    d.method("GetPrevious", [](Items& c, Args&) { return Variant(Ref<Object>(c.previous())); });
    d.method("Add", [](Items& c, Args& a) { return Variant(Ref<Object>(c.add(argAt(a, 0)))); });
    d.get("Parent", [](Items& c, Args&) { return Variant(Ref<Object>(c.folder_)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
