#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/office/EventFailureLog.h"

namespace qh::sim {

class CommandBar;

// The command bars of one Outlook window (Explorer.CommandBars, Inspector.CommandBars). Each
// window owns its own collection, so bars added to one window never show in another.
//
// Members, as Office's: Item(name or index from 1; also the default member), Add(Name,
// Position, MenuBar, Temporary), Count. Like Office, Item raises "Invalid procedure call or
// argument" for a bar that is not there, and Add raises it for a name already in use. Bar
// names are matched without regard to case.
class CommandBars : public TableObject<CommandBars> {
 public:
  explicit CommandBars(std::shared_ptr<EventFailureLog> failures);
  // Bars still referenced elsewhere are left deleted: their window is gone.
  ~CommandBars() override;

  // Host side: what a test inspects.
  Ref<CommandBar> find(std::string_view name) const;
  const std::vector<Ref<CommandBar>>& bars() const noexcept { return bars_; }
  EventFailureLog& failures() const noexcept { return *failures_; }

  // Called by a bar's Delete.
  void remove(const CommandBar& bar);
  // The bar's place in the collection, counted from 1 (0 when it is not in it).
  int indexOf(const CommandBar& bar) const;

 private:
  friend class TableObject<CommandBars>;
  static const DispatchTable<CommandBars>& table();

  Variant item(const Variant& key) const;
  Variant add(const Args& args);
  std::string nextCustomName();

  std::shared_ptr<EventFailureLog> failures_;
  std::vector<Ref<CommandBar>> bars_;
  int customNames_ = 0;
};

// A new, empty collection for one window. Handler failures of its controls' events go to
// `failures`; pass one log to several windows to collect them in one place, or none to give
// the collection a log of its own.
Ref<CommandBars> makeCommandBars(std::shared_ptr<EventFailureLog> failures = nullptr);

}  // namespace qh::sim
