#include "hosts/sim/outlook/Folder.h"

#include <algorithm>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Items.h"

namespace qh::sim::outlook {

Folder::Folder(WeakLink<Application> app, std::string name, int defaultItemType)
    : app_(std::move(app)), name_(std::move(name)), defaultItemType_(defaultItemType) {}

Folder::~Folder() {
  for (const Ref<Item>& item : items_.items()) item->unfiled();
}

Folder& Folder::addFolder(std::string name, int defaultItemType) {
  auto child = makeRef<Folder>(app_, std::move(name), defaultItemType);
  child->setParent(WeakLink<Object>(*this));
  folders_.push_back(child);
  return *child;
}

Ref<AppointmentItem> Folder::addAppointment(AppointmentItem::Fields fields) {
  std::string entryId = std::move(fields.entryId);
  auto item = makeRef<AppointmentItem>(app_, std::move(fields));
  item->entryId_ = std::move(entryId);
  item->storeAsFound(*this);
  return item;
}

void Folder::file(Item& item) {
  if (items_.contains(item)) return;
  items_.append(Ref<Item>(&item));
  item.filed(*this);
}

void Folder::unfile(Item& item) {
  Ref<Item> keepAlive = items_.remove(item);
  if (!keepAlive) return;
  item.unfiled();
  for (Items* watcher : watchers_) watcher->removed(item);
}

void Folder::watch(Items& items) {
  watchers_.push_back(&items);
}

void Folder::unwatch(Items& items) {
  watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), &items), watchers_.end());
}

Ref<Items> Folder::makeItems(Ref<Items> items) {
  if (itemsMade_) itemsMade_(*items);
  return items;
}

const DispatchTable<Folder>& Folder::table() {
  static const DispatchTable<Folder> t = [] {
    DispatchTable<Folder> d;
    d.get("", [](Folder& f, Args&) { return Variant(f.name_); });
    d.get("Name", [](Folder& f, Args&) { return Variant(f.name_); });
    d.put("Name", [](Folder& f, Args& a) {
      f.name_ = putValue(a).toString();
      return Variant();
    });
    d.get("Parent", [](Folder& f, Args&) { return Variant(f.parent()); });
    d.get("Items", [](Folder& f, Args&) {
      return Variant(Ref<Object>(f.makeItems(makeRef<Items>(Ref<Folder>(&f)))));
    });
    d.get("DefaultItemType", [](Folder& f, Args&) { return Variant(f.defaultItemType_); });
    d.get("Class", [](Folder&, Args&) { return Variant(static_cast<int>(kClassFolder)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
