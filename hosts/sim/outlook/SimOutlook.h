#pragma once

#include <string>
#include <vector>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/Explorer.h"
#include "hosts/sim/outlook/Folder.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/sim/outlook/NameSpace.h"

namespace qh::sim {
class SimSystem;
}

namespace qh::sim::outlook {

// The simulated Outlook as a test or the command-line program drives it: it makes the
// Application on a SimSystem (its clock, its locale's reading of dates, its COM activation)
// and offers the user's actions as plain calls. Each action raises the events Outlook raises
// for it; what an add-in's handler answers with a failure is kept in eventFailures() and
// does not stop the host.
//
// The SimSystem must outlive this object and everything it made.
class SimOutlook {
 public:
  struct Options {
    std::string user = "User";
    std::string version = "16.0.0.0";
  };

  explicit SimOutlook(SimSystem& system);
  SimOutlook(SimSystem& system, Options options);
  SimOutlook(const SimOutlook&) = delete;
  SimOutlook& operator=(const SimOutlook&) = delete;
  ~SimOutlook();

  Application& application() const { return *app_; }
  Ref<Object> applicationObject() const { return Ref<Object>(app_); }
  NameSpace& nameSpace() const { return app_->nameSpace(); }
  Folder& folder(int defaultFolder) const { return nameSpace().defaultFolder(defaultFolder); }
  Folder& calendar() const { return folder(kFolderCalendar); }
  office::Assistant& assistant() const { return app_->assistant(); }
  const std::vector<std::string>& eventFailures() const { return app_->failures().lines(); }

  // Configuration.
  void setVersion(std::string version) { app_->settings().version = std::move(version); }
  void setCommandBarsFactory(CommandBarsFactory factory);
  void registerCreatable(const std::string& progId, Application::ObjectFactory factory);
  void setSaveWhenPrompted(bool save) { app_->settings().saveWhenPrompted = save; }

  // The mailbox's contents.
  Folder& addFolder(Folder& parent, std::string name, int defaultItemType = kAppointmentItem);
  Ref<AppointmentItem> addAppointment(Folder& folder, const AppointmentItem::Fields& fields);

  // The user's actions.
  void startup() { app_->raiseStartup(); }
  void quit() { app_->raiseQuit(); }
  Ref<Explorer> openExplorer(Folder& folder);
  void switchFolder(Explorer& explorer, Folder& folder) { explorer.switchTo(folder); }
  void select(Explorer& explorer, std::vector<Ref<Item>> items);
  void activate(Explorer& explorer) { explorer.activate(); }
  void activate(ItemWindow& inspector) { inspector.activate(); }
  void closeExplorer(Explorer& explorer) { explorer.close(); }
  Ref<ItemWindow> openInspector(Item& item);
  // Outlook reporting the same inspector once more.
  void reportNewInspector(ItemWindow& inspector);
  // The user closes the window; with Prompt the answer is setSaveWhenPrompted's.
  void closeInspector(ItemWindow& inspector, SaveMode mode = SaveMode::Prompt) {
    inspector.close(mode);
  }
  // The user presses Send: ItemSend is raised; answers whether the item went out.
  bool send(Item& item) { return item.send(); }

 private:
  Ref<Application> app_;
};

}  // namespace qh::sim::outlook
