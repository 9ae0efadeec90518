#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/quillhour/Desktop.h"
#include "apps/quillhour/Output.h"

namespace qh::app {

// What the simulated host showed or did while a command ran, reported right after it:
// alerts, message boxes and Outlook's "save changes?" prompts (answered as the session's
// --answer says), what the shell opened or could not open, programs started, event handlers
// that failed, and workbooks Excel handed over.
class SessionEvents {
 public:
  SessionEvents(Desktop& desktop, Output& output) : desktop_(desktop), output_(output) {}

  // Before a command: answers wait for every alert and message box it may show.
  void prepare();
  // After a command: prints what is new since the last report.
  void report();

  // The next workbook Excel hands over is moved here before it is reported.
  void deliverNextWorkbookTo(std::filesystem::path path) { deliverTo_ = std::move(path); }

  // Whether a workbook could not be moved where deliverNextWorkbookTo asked.
  bool deliveryFailed() const { return deliveryFailed_; }

  // Every alert, message box and prompt so far, oldest first, as "title: text".
  const std::vector<std::string>& alerts() const { return alerts_; }

 private:
  void reportAlerts();
  void reportSystem();
  void reportFailures();
  void reportWorkbooks();
  bool exportedInMinutes();
  std::filesystem::path deliver(const std::filesystem::path& written);

  Desktop& desktop_;
  Output& output_;
  std::vector<std::string> alerts_;
  std::size_t assistantSeen_ = 0;
  std::size_t promptsSeen_ = 0;
  std::size_t messageBoxesSeen_ = 0;
  std::size_t shellOpensSeen_ = 0;
  std::size_t programsSeen_ = 0;
  std::size_t failuresSeen_ = 0;
  std::size_t excelFailuresSeen_ = 0;
  std::size_t workbooksSeen_ = 0;
  std::size_t answersQueued_ = 0;
  std::filesystem::path deliverTo_;
  bool deliveryFailed_ = false;
};

}  // namespace qh::app
