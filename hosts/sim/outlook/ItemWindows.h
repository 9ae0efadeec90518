#pragma once

#include <vector>

#include "automation/Events.h"
#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;

// Outlook's Inspectors collection, the open item windows: Count, Item(index from 1); event
// NewInspector(Inspector).
class ItemWindows : public TableObject<ItemWindows> {
 public:
  explicit ItemWindows(WeakLink<Application> app) : app_(std::move(app)) {}

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  size_t sinkCount() const { return events_.sinkCount(); }

  const std::vector<Ref<ItemWindow>>& windows() const { return windows_; }
  // Displays item: an inspector already showing it is activated; otherwise a new one joins
  // the collection and NewInspector is raised.
  Ref<ItemWindow> open(Item& item);
  // Raises NewInspector once more for a window already open (Outlook may report one twice).
  void announce(ItemWindow& inspector);
  Ref<ItemWindow> showing(const Item& item) const;
  void closeShowing(const Item& item);
  void remove(ItemWindow& inspector);

  const Anchor& anchor() const { return anchor_; }

 private:
  friend class TableObject<ItemWindows>;
  static const DispatchTable<ItemWindows>& table();

  WeakLink<Application> app_;
  std::vector<Ref<ItemWindow>> windows_;
  EventSource events_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
