#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/SimHost.h"
#include "hosts/sim/binding/MailboxBinding.h"
#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/outlook/AppointmentItem.h"

namespace qh::testing {

// One row of a workbook's data: the cells of columns C to G of a row from 4 on.
struct SheetRow {
  double start = 0;
  std::string subject, tag, body;
  bool hasDuration = false;
};

// One user's desktop for one replay of a story: the simulated host with the real add-in, a
// small calendar file bound as the default calendar (four Times of the week before 7 December
// 2026 and the tag list), one explorer on it, and every Excel the add-in creates, with the
// rows of each workbook it handed over.
class SweepWorld {
 public:
  explicit SweepWorld(const std::filesystem::path& folder);
  ~SweepWorld();

  sim::SimHost& host() { return *host_; }
  sim::outlook::SimOutlook& outlook() { return host_->outlook(); }
  sim::outlook::Explorer& explorer() { return *explorer_; }
  sim::MailboxBinding& mailbox() { return *mailbox_; }
  const std::filesystem::path& calendarFile() const { return calendarFile_; }

  // The Times as they were when the world was made (the settings item left out).
  const std::vector<Ref<sim::outlook::AppointmentItem>>& times() const { return times_; }
  // Rows of the workbooks handed over, and of every workbook of every Excel made.
  const std::vector<SheetRow>& handedRows() const { return *handed_; }
  std::vector<SheetRow> allRows() const;

  // Lets go of Excel and the windows the world itself holds, so that only what the add-in
  // still holds stays alive.
  void letGo();

 private:
  std::filesystem::path calendarFile_;
  std::shared_ptr<std::vector<SheetRow>> handed_;
  std::unique_ptr<sim::SimHost> host_;
  std::unique_ptr<sim::MailboxBinding> mailbox_;
  Ref<sim::outlook::Explorer> explorer_;
  std::vector<Ref<sim::outlook::AppointmentItem>> times_;
  std::vector<Ref<sim::ExcelApplication>> excels_;
};

// The rows of a workbook's worksheets.
std::vector<SheetRow> rowsOf(const sim::WorkbookSnapshot& workbook);

}  // namespace qh::testing
