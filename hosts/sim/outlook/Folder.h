#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/ItemSequence.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;
class Item;
class Items;

// A mail folder (MAPIFolder): Name, Parent, Items, DefaultItemType, Class, and the default
// member "", which answers the folder's Name. Late-bound code prints a folder as its name and
// compares two folders "by default value"; so in this host, as code written against Outlook
// assumes, two folders with the same name compare equal that way.
//
// The folder owns its subfolders and its items, in folder order (the order they were filed).
// Collections that hold their own list of its items (restricted or sorted ones) watch it, so
// that an item deleted from the folder leaves them too.
class Folder : public TableObject<Folder> {
 public:
  Folder(WeakLink<Application> app, std::string name, int defaultItemType);
  ~Folder() override;

  const std::string& name() const { return name_; }
  void rename(std::string name) { name_ = std::move(name); }
  int defaultItemType() const { return defaultItemType_; }
  // The parent folder, or for the root folder the namespace; Nothing once that has ended.
  Ref<Object> parent() const { return parent_.lock(); }

  Folder& addFolder(std::string name, int defaultItemType);
  const std::vector<Ref<Folder>>& folders() const { return folders_; }

  const std::vector<Ref<Item>>& items() const { return items_.items(); }
  const ItemSequence& sequence() const { return items_; }
  // An appointment that is already stored here (a loaded mailbox, a test's fixture).
  Ref<AppointmentItem> addAppointment(AppointmentItem::Fields fields);
  void file(Item& item);
  void unfile(Item& item);

  // Collections with their own list of this folder's items; Items registers itself.
  void watch(Items& items);
  void unwatch(Items& items);
  // Every Items collection made from this folder, restricted ones included, is shown to the
  // hook first: a test injects faults into the collections the add-in will get.
  void onItemsMade(std::function<void(Items&)> hook) { itemsMade_ = std::move(hook); }
  Ref<Items> makeItems(Ref<Items> items);
  // The filters the folder's items were restricted with, oldest first.
  const std::vector<std::string>& restrictions() const { return restrictions_; }
  void noteRestriction(std::string filter) { restrictions_.push_back(std::move(filter)); }

  Application* application() const { return app_.get(); }
  const Anchor& anchor() const { return anchor_; }

 private:
  friend class TableObject<Folder>;
  friend class NameSpace;
  static const DispatchTable<Folder>& table();
  void setParent(WeakLink<Object> parent) { parent_ = std::move(parent); }

  WeakLink<Application> app_;
  WeakLink<Object> parent_;
  std::string name_;
  int defaultItemType_;
  std::vector<Ref<Folder>> folders_;
  ItemSequence items_;
  std::vector<Items*> watchers_;
  std::function<void(Items&)> itemsMade_;
  std::vector<std::string> restrictions_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
