#pragma once

#include <vector>

#include "automation/Events.h"
#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Explorer.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;

// The open explorer windows: Count, Item(index from 1); event NewExplorer(Explorer).
class Explorers : public TableObject<Explorers> {
 public:
  explicit Explorers(WeakLink<Application> app) : app_(std::move(app)) {}

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  size_t sinkCount() const { return events_.sinkCount(); }

  const std::vector<Ref<Explorer>>& windows() const { return windows_; }
  // A new window on folder: it joins the collection, then NewExplorer is raised.
  Ref<Explorer> open(Folder& folder);
  void remove(Explorer& explorer);

  const Anchor& anchor() const { return anchor_; }

 private:
  friend class TableObject<Explorers>;
  static const DispatchTable<Explorers>& table();

  WeakLink<Application> app_;
  std::vector<Ref<Explorer>> windows_;
  EventSource events_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
