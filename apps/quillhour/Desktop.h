#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "apps/quillhour/SessionOptions.h"
#include "apps/quillhour/WorkbookSummary.h"
#include "hosts/sim/SimHost.h"
#include "hosts/sim/binding/MailboxBinding.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarComboBox.h"

namespace qh::app {

// The simulated desktop a session's user works on: Outlook with the user's calendar file as
// its default calendar, one explorer on it, the add-in loaded and started as Outlook loads it,
// and Excel writing what it hands over to the output folder. Commands find here the window,
// bar or dialog they act on; one that is not there is a CommandError.
class Desktop {
 public:
  // Raises InputError when the calendar file cannot be read and std::runtime_error when the
  // add-in cannot be installed from options.moduleDir.
  explicit Desktop(const SessionOptions& options);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  ~Desktop();

  const SessionOptions& options() const { return options_; }
  sim::SimHost& host() { return *host_; }
  sim::SimSystem& system() { return host_->system(); }
  sim::outlook::SimOutlook& outlook() { return host_->outlook(); }
  sim::MailboxBinding& mailbox() { return *mailbox_; }
  const WorkbookLedger& workbooks() const { return *workbooks_; }

  // Moves the system's clock to the present, unless the session fixed it.
  void tick();
  // After each command: a window the host opened meanwhile becomes the current one.
  void followNewWindows();

  sim::outlook::Explorer& explorer();
  void makeCurrent(sim::outlook::Explorer& explorer);
  sim::outlook::ItemWindow& inspector();
  void makeCurrent(sim::outlook::ItemWindow& inspector);
  // "calendar", "inbox" or "outbox".
  sim::outlook::Folder& folder(std::string_view which);
  // An item by its EntryID, in any folder of the mailbox.
  Ref<sim::outlook::Item> item(std::string_view entryId);

  // The add-in's "Quillhour" bar of a window (its CommandBars), or none.
  static Ref<sim::CommandBar> quillhourBar(const Ref<Object>& commandBars);
  // The "Tag:" box on that bar.
  static Ref<sim::CommandBarComboBox> tagBox(const Ref<Object>& commandBars);
  // The add-in's dialog with this caption that was shown last and is still visible.
  Ref<Object> dialog(std::string_view caption, std::string_view what);
  // TagArray, the add-in's tag list in memory.
  StringArray tagArray();

  // Outlook quits, and with it the add-in; once.
  void quit();
  bool quitted() const { return quitted_; }

 private:
  SessionOptions options_;
  std::shared_ptr<WorkbookLedger> workbooks_;
  std::unique_ptr<sim::SimHost> host_;
  std::unique_ptr<sim::MailboxBinding> mailbox_;
  Ref<sim::outlook::Explorer> explorer_;
  Ref<sim::outlook::ItemWindow> inspector_;
  Ref<sim::outlook::ItemWindow> newestInspector_;
  bool quitted_ = false;
};

}  // namespace qh::app
