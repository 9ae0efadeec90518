#include "apps/quillhour/SessionEvents.h"

#include <utility>

#include "apps/quillhour/ExportReport.h"
#include "apps/quillhour/TextFormat.h"
#include "hosts/sim/excel/ExcelOutput.h"

namespace qh::app {
namespace {

// More than any one command shows; every answer not given stays queued for the next.
constexpr std::size_t kAnswersAhead = 16;

}  // namespace

void SessionEvents::prepare() {
  if (desktop_.options().answerOk) return;  // unqueued alerts and boxes answer OK
  const std::size_t asked =
      desktop_.outlook().assistant().alerts().size() + desktop_.system().messageBoxes().size();
  for (; answersQueued_ < asked + kAnswersAhead; ++answersQueued_) {
    desktop_.outlook().assistant().queueAnswer(platform::kAnswerCancel);
    desktop_.system().queueMessageBoxAnswer(platform::kAnswerCancel);
  }
}

void SessionEvents::report() {
  reportAlerts();
  reportSystem();
  reportFailures();
  reportWorkbooks();
}

void SessionEvents::reportAlerts() {
  const auto& alerts = desktop_.outlook().assistant().alerts();
  for (; assistantSeen_ < alerts.size(); ++assistantSeen_) {
    const auto& alert = alerts[assistantSeen_];
    alerts_.push_back(alert.title + ": " + alert.text);
    output_.line("alert: {}", alerts_.back());
  }
  // Outlook's own prompt when a window with unsaved changes closes, answered by --answer.
  const auto& prompts = desktop_.outlook().application().savePrompts();
  for (; promptsSeen_ < prompts.size(); ++promptsSeen_) {
    const auto& prompt = prompts[promptsSeen_];
    const std::string text = fmt::format("save changes to {}? {}", inQuotes(prompt.subject),
                                         prompt.saved ? "yes" : "no");
    alerts_.push_back("Outlook: " + text);
    output_.line("prompt: {}", text);
  }
  const auto& boxes = desktop_.system().messageBoxes();
  for (; messageBoxesSeen_ < boxes.size(); ++messageBoxesSeen_) {
    const auto& box = boxes[messageBoxesSeen_];
    alerts_.push_back(box.title + ": " + box.text);
    output_.line("message box: {}", alerts_.back());
  }
}

void SessionEvents::reportSystem() {
  const auto& opens = desktop_.system().shellOpens();
  for (; shellOpensSeen_ < opens.size(); ++shellOpensSeen_) {
    // The shell's result says whether anything opened: above 32 it did.
    const auto& open = opens[shellOpensSeen_];
    if (open.result > 32)
      output_.line("opened: {}", open.target);
    else if (open.result == sim::SimSystem::kShellFileNotFound)
      output_.line("not opened: {}: the file was not found", open.target);
    else
      output_.line("not opened: {}: the shell answered {}", open.target, open.result);
  }
  const auto& programs = desktop_.system().startedPrograms();
  for (; programsSeen_ < programs.size(); ++programsSeen_)
    output_.line("started: {}", programs[programsSeen_].path);
}

void SessionEvents::reportFailures() {
  const std::vector<std::string> failures = desktop_.host().eventFailures();
  for (; failuresSeen_ < failures.size(); ++failuresSeen_)
    output_.error("event failed: {}", failures[failuresSeen_]);
  const auto& excel = desktop_.host().excelOutput()->failures();
  for (; excelFailuresSeen_ < excel.size(); ++excelFailuresSeen_)
    output_.error("workbook not written: {}", excel[excelFailuresSeen_]);
}

void SessionEvents::reportWorkbooks() {
  const WorkbookLedger& workbooks = desktop_.workbooks();
  if (workbooksSeen_ == workbooks.size()) return;
  const bool inMinutes = exportedInMinutes();
  for (; workbooksSeen_ < workbooks.size(); ++workbooksSeen_) {
    WorkbookSummary summary = workbooks[workbooksSeen_];
    if (!deliverTo_.empty()) summary.path = deliver(summary.path);
    summary.path = std::filesystem::absolute(summary.path).lexically_normal();
    printExport(output_, summary, inMinutes);
  }
}

std::filesystem::path SessionEvents::deliver(const std::filesystem::path& written) {
  std::filesystem::path target = std::exchange(deliverTo_, {});
  std::error_code error;
  std::filesystem::rename(written, target, error);
  if (error) {
    // Another file system: copy, then remove what Excel wrote.
    std::filesystem::copy_file(written, target, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error) std::filesystem::remove(written, error);
  }
  if (!error) return target;
  output_.error("quillhour: the workbook could not be moved to {}: {}; it stays at {}",
                target.string(), error.message(), written.string());
  deliveryFailed_ = true;
  return written;
}

bool SessionEvents::exportedInMinutes() {
  // The export dialog stays loaded after its run, with the options it ran with.
  Ref<Object> dialog = desktop_.system().forms().find("Quillhour Export");
  return dialog && dialog->getObject("CheckExportInMinutes")->get("Value").toInt32() == 1;
}

}  // namespace qh::app
