#pragma once

#include <vector>

#include "automation/Events.h"
#include "hosts/sim/core/SimObject.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/Item.h"
#include "hosts/sim/outlook/WeakLink.h"

namespace qh::sim::outlook {

class Application;

// An explorer window: CurrentFolder (get and put), Selection, CommandBars, Activate, Close;
// events Activate, FolderSwitch, SelectionChange, Close (none with arguments).
//
// Switching folders raises FolderSwitch; then, as Outlook documents, a folder shown as a
// table selects its first item while a calendar selects nothing, and SelectionChange follows
// whenever the selection changed. Close raises Close while the window is still in the
// Explorers collection, then drops the window's command bars and removes it; after that
// every member fails as in Outlook.
class Explorer : public TableObject<Explorer> {
 public:
  Explorer(WeakLink<Application> app, Folder& folder);
  ~Explorer() override;

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  size_t sinkCount() const { return events_.sinkCount(); }

  Folder& currentFolder() const { return *folder_; }
  void switchTo(Folder& folder);
  const std::vector<Ref<Item>>& selection() const { return selection_; }
  // The user selects items (possibly the same ones again): SelectionChange.
  void select(std::vector<Ref<Item>> items);
  void activate();
  void close();
  bool closed() const { return closed_; }
  // Made by the host's factory on first use, owned until the window closes.
  Ref<Object> commandBars();

  const Anchor& anchor() const { return anchor_; }

 protected:
  Variant dispatch(std::string_view name, CallKind kind, Args& args) override;

 private:
  friend class TableObject<Explorer>;
  static const DispatchTable<Explorer>& table();
  void fire(std::string_view event);

  WeakLink<Application> app_;
  Ref<Folder> folder_;
  std::vector<Ref<Item>> selection_;
  Ref<Object> commandBars_;
  bool closed_ = false;
  EventSource events_;
  Anchor anchor_{*this};
};

}  // namespace qh::sim::outlook
