#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/OutlookConstants.h"
#include "hosts/sim/outlook/PropertyBag.h"
#include "hosts/sim/outlook/UserPropertyList.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;
class Folder;
class ItemWindow;

// What every Outlook item of the simulated mailbox shares: the members Class, EntryID, Saved,
// Save, Close, Delete, Display, Send, Parent and UserProperties, and Outlook's saving
// semantics.
//
// An item keeps two sets of values: the working values, which every read and write by
// automation sees, and the saved values, which are what reached the mailbox. A write makes
// the item unsaved; Save stores the working values, counts the save, gives the item its
// EntryID on the first save and files it in its folder (for an item made with CreateItem, the
// default folder of its kind). Discarding (Close with olDiscard, an inspector closed without
// saving) puts the saved values back. A deleted item leaves its folder, and every later call
// on it fails as in Outlook. User properties are kept the same way: added, changed and
// deleted in the working set, stored by Save, put back by discarding.
class Item : public SimObject {
 public:
  ~Item() override;

  int objectClass() const { return class_; }
  int itemType() const { return type_; }

  const Variant& value(std::string_view name) const { return working_.get(name); }
  const Variant& savedValue(std::string_view name) const { return saved_.get(name); }
  // A change as the user or the add-in makes it: the item is unsaved until Save.
  void setValue(std::string_view name, const Variant& value);
  // A value that is already in the mailbox (a loaded mailbox, a test's fixture).
  void seedValue(std::string_view name, const Variant& value);
  // Several such values at once: an unchanged item keeps one list for its working and saved
  // values.
  void seedValues(std::initializer_list<std::pair<std::string_view, Variant>> values);
  // The same, taking the values over.
  void seedValues(std::span<std::pair<std::string_view, Variant>> values);
  // The value Outlook's store holds for a field, as filters and sorting read it (not through
  // the automation members, so a test's injected faults and call records are not touched);
  // nullopt when the item has no such field.
  virtual std::optional<Variant> field(std::string_view name) const;

  const UserPropertyList& userProperties() const { return userWorking_; }
  const UserPropertyList& savedUserProperties() const { return userSaved_; }
  // A user property that is already in the mailbox.
  void seedUserProperty(UserPropertyValue property);
  // Changes as the add-in makes them through UserProperties: the item is unsaved until Save.
  unsigned addUserProperty(std::string name, int type, bool addToFolderFields);
  void setUserPropertyValue(unsigned id, const Variant& value);
  void removeUserProperty(unsigned id);

  bool saved() const { return !dirty_; }
  // Whether closing the item's window asks to save it: it holds changes that are not stored.
  // A new item that was never changed closes without asking, as in Outlook.
  bool changed() const { return stored_ ? dirty_ : touched_; }
  int saveCount() const { return saveCount_; }
  const std::string& entryId() const { return entryId_; }
  bool stored() const { return stored_; }
  bool deleted() const { return deleted_; }
  // Raises Outlook's "moved or deleted" error for an item that was deleted.
  void requireNotDeleted() const;
  bool sent() const { return sent_; }
  // The folder the item is filed in, or will be filed in on its first save; null for an item
  // from CreateItem that was never saved.
  Folder* folder() const;
  // Items.Add: the item belongs to folder and is filed there when first saved.
  void setHome(Folder& folder);

  void save();
  void discardChanges();
  // Close: applies the save mode, then closes any inspector that shows the item.
  void close(SaveMode mode);
  // What closing the item's window does with unsaved changes.
  void applySaveMode(SaveMode mode);
  void remove();  // Delete
  Ref<ItemWindow> display();
  // Send: raises the application's ItemSend; answers false when a handler cancelled it.
  bool send();

  const Anchor& anchor() const { return anchor_; }

 protected:
  Item(WeakLink<Application> app, int objectClass, int itemType);
  // An item whose plain properties start as declared in prototype, as every item of a kind.
  Item(WeakLink<Application> app, int objectClass, int itemType, const PropertyBag& prototype);

  // Declares a plain property with its initial (working and saved) value.
  void declare(std::string name, Variant initial);
  // Takes the working values as what the mailbox holds, without filing the item anywhere.
  void markSaved();
  // Takes the item as stored in the mailbox under entryId, belonging to folder without being
  // one of its items (an exception of a series lives in its master).
  void storeWithin(Folder& folder, std::string entryId);
  Application* application() const;
  Application& requireApplication() const;

  // The members a kind of item adds or overrides; answers true when it handled the call.
  virtual bool dispatchOwn(std::string_view name, CallKind kind, Args& args, Variant& result);
  // What happens to the item once it has been sent.
  virtual void afterSend(Application&) {}

  Variant dispatch(std::string_view name, CallKind kind, Args& args) final;

 private:
  friend class Folder;
  static const DispatchTable<Item>& table();
  void filed(Folder& folder);
  void unfiled() { stored_ = false; }
  // Files the item as already stored in folder: no save is counted.
  void storeAsFound(Folder& folder);
  [[noreturn]] static void movedOrDeleted();

  WeakLink<Application> app_;
  WeakLink<Folder> folder_;
  int class_;
  int type_;
  PropertyBag working_;
  PropertyBag saved_;
  UserPropertyList userWorking_;
  UserPropertyList userSaved_;
  unsigned nextUserPropertyId_ = 1;
  bool dirty_ = true;
  bool touched_ = false;  // changed since it was made or last saved or discarded
  bool stored_ = false;
  bool deleted_ = false;
  bool sent_ = false;
  int saveCount_ = 0;
  std::string entryId_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
