#include "hosts/sim/outlook/Folder.h"

#include <algorithm>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Items.h"

namespace qh::sim::outlook {

Folder::Folder(WeakLink<Application> app, std::string name, int defaultItemType)
    : app_(std::move(app)), name_(std::move(name)), defaultItemType_(defaultItemType) {}

Folder::~Folder() {
  for (const Ref<Item>& item : items_) item->unfiled();
}

Folder& Folder::addFolder(std::string name, int defaultItemType) {
  auto child = makeRef<Folder>(app_, std::move(name), defaultItemType);
  child->setParent(WeakLink<Object>(*this));
  folders_.push_back(child);
  return *child;
}

Ref<AppointmentItem> Folder::addAppointment(const AppointmentItem::Fields& fields) {
  auto item = makeRef<AppointmentItem>(app_, fields.start);
  item->seed(fields);
  item->storeAsFound(*this);
  return item;
}

void Folder::file(Item& item) {
  if (std::any_of(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == &item; }))
    return;
  items_.push_back(Ref<Item>(&item));
  item.filed(*this);
}

void Folder::unfile(Item& item) {
  auto it =
      std::find_if(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == &item; });
  if (it == items_.end()) return;
  Ref<Item> keepAlive = *it;
  items_.erase(it);
  item.unfiled();
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
    d.get("Items",
          [](Folder& f, Args&) { return Variant(Ref<Object>(makeRef<Items>(Ref<Folder>(&f)))); });
    d.get("DefaultItemType", [](Folder& f, Args&) { return Variant(f.defaultItemType_); });
    d.get("Class", [](Folder&, Args&) { return Variant(static_cast<int>(kClassFolder)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::outlook
