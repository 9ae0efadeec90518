#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "automation/Events.h"
#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/office/Assistant.h"
#include "hosts/sim/outlook/CommandBarsFactory.h"
#include "hosts/sim/outlook/EventFailures.h"
#include "hosts/sim/outlook/ItemFilter.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Explorers;
class Folder;
class ItemWindows;
class Item;
class NameSpace;

// Outlook's Application: GetNamespace("MAPI"), Explorers, Inspectors, CreateItem,
// CreateObject, Version, Name, Session, Assistant; events ItemSend(Item, Cancel by
// reference), Startup, Quit. It owns the whole simulated session: the mailbox, the windows,
// the assistant and the record of what the add-in's handlers answered with a failure.
class Application : public TableObject<Application> {
 public:
  // What the host around Outlook provides; every hook may stay empty.
  struct Settings {
    std::string version = "16.0.0.0";
    std::string user = "User";
    std::function<Date()> now;         // the clock, for new items' defaults
    ItemFilter::DateParser parseDate;  // the system's reading of filter dates
    CommandBarsFactory commandBars;    // Office's command bars for each window
    // COM activation, for ProgIDs that are not registered with the application itself.
    std::function<Ref<Object>(const std::string& progId)> activate;
    // The user's answer when Outlook asks whether to save changes (Close with olPromptForSave).
    bool saveWhenPrompted = true;
    // Told after a window's Close event, when Office lets go of what the window had (panes).
    std::function<void(Object& window)> windowClosed;
  };
  using ObjectFactory = std::function<Ref<Object>()>;

  explicit Application(Settings settings);
  ~Application() override;

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  size_t sinkCount() const { return events_.sinkCount(); }

  Settings& settings() { return settings_; }
  NameSpace& nameSpace() const { return *nameSpace_; }
  Explorers& explorers() const { return *explorers_; }
  ItemWindows& inspectors() const { return *inspectors_; }
  office::Assistant& assistant() const { return *assistant_; }
  EventFailures& failures() { return failures_; }

  // CreateObject: a factory registered for the ProgID (case-insensitive), else COM
  // activation; raises Error 429 "ActiveX component can't create object" when neither makes one.
  void registerCreatable(const std::string& progId, ObjectFactory factory);
  Ref<Object> createObject(const std::string& progId);
  // CreateItem: 0 mail, 1 appointment, 2 contact; a new item belongs to no folder yet.
  Ref<Item> createItem(int itemType);
  // Where a new item of the type goes when first saved.
  Folder& defaultFolderFor(int itemType) const;
  std::string nextEntryId();
  // Outlook's "save changes?" prompt for an item: answers as the user does, and keeps it.
  struct SavePrompt {
    std::string subject;  // the item's Subject when asked
    bool saved;
  };
  bool answerSavePrompt(Item& item);
  const std::vector<SavePrompt>& savePrompts() const { return savePrompts_; }

  void raiseStartup();
  void raiseQuit();
  // Raises ItemSend(item, Cancel); answers false when a handler set Cancel.
  bool raiseItemSend(Item& item);

  void itemSent(Item& item) { sent_.push_back(Ref<Item>(&item)); }
  void itemDeleted(Item& item) { deleted_.push_back(Ref<Item>(&item)); }
  const std::vector<Ref<Item>>& sentItems() const { return sent_; }
  const std::vector<Ref<Item>>& deletedItems() const { return deleted_; }

  const Anchor& anchor() const { return anchor_; }

 private:
  friend class TableObject<Application>;
  static const DispatchTable<Application>& table();

  Settings settings_;
  EventFailures failures_;
  std::vector<SavePrompt> savePrompts_;
  EventSource events_;
  std::map<std::string, ObjectFactory> creatable_;  // by lower-case ProgID
  std::vector<Ref<Item>> sent_;
  std::vector<Ref<Item>> deleted_;
  unsigned long entryIds_ = 0;
  // Made in the constructor's body, once the anchor they link back to exists.
  Ref<NameSpace> nameSpace_;
  Ref<Explorers> explorers_;
  Ref<ItemWindows> inspectors_;
  Ref<office::Assistant> assistant_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
