#include "hosts/sim/outlook/Items.h"

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/ItemFilter.h"
#include "hosts/sim/outlook/OutlookArgs.h"

namespace qh::sim::outlook {
Ref<Item> Items::item(const Variant& index) const {
  const auto& items = folder_->items();
  return items[oneBasedIndex(index, items.size())];
}

Ref<Item> Items::find(std::string_view filter) const {
  Application* app = folder_->application();
  const ItemFilter parsed =
      ItemFilter::parse(filter, app ? app->settings().parseDate : ItemFilter::DateParser());
  // A snapshot: reading a property may run code that files or removes items.
  const std::vector<Ref<Item>> items = folder_->items();
  for (const Ref<Item>& item : items)
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

const DispatchTable<Items>& Items::table() {
  static const DispatchTable<Items> t = [] {
    DispatchTable<Items> d;
    d.get("Count", [](Items& c, Args&) { return Variant(static_cast<int>(c.count())); });
    d.method("Item",
             [](Items& c, Args& a) { return Variant(Ref<Object>(c.item(requiredArg(a, 0)))); });
    d.method("Find", [](Items& c, Args& a) {
      return Variant(Ref<Object>(c.find(requiredArg(a, 0).toString())));
    });
    d.method("Add", [](Items& c, Args& a) { return Variant(Ref<Object>(c.add(argAt(a, 0)))); });
    d.get("Parent", [](Items& c, Args&) { return Variant(Ref<Object>(c.folder_)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
