#pragma once

#include "automation/Events.h"
#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;

// Outlook's Inspector: the window showing one item. Members CurrentItem, CommandBars, Activate,
// Close(SaveMode); events Activate and Close. Closing applies the save mode to the item (an
// inspector closed without saving discards the item's unsaved changes), raises Close while the
// window is still in the Inspectors collection, drops its command bars and removes it; after that
// every member fails.
class ItemWindow : public TableObject<ItemWindow> {
 public:
  ItemWindow(WeakLink<Application> app, Item& item);
  ~ItemWindow() override;

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  size_t sinkCount() const { return events_.sinkCount(); }

  Item& item() const { return *item_; }
  void activate();
  void close(SaveMode mode);
  // Closes the window without touching the item (the item itself was closed, sent or deleted).
  void closeWindow();
  bool closed() const { return closed_; }
  Ref<Object> commandBars();

  const Anchor& anchor() const { return anchor_; }

 protected:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) override;

 private:
  friend class TableObject<ItemWindow>;
  static const DispatchTable<ItemWindow>& table();
  void fire(std::string_view event);

  WeakLink<Application> app_;
  Ref<Item> item_;
  Ref<Object> commandBars_;
  bool closed_ = false;
  EventSource events_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
