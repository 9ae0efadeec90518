#pragma once

#include <deque>
#include <string>
#include <vector>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim::office {

// The Office Assistant, of which the add-in uses DoAlert (Office's own alert box, reached
// through Application.Assistant). Each alert is recorded with all its arguments and answered
// from a queue a test fills; an unqueued alert answers 1 (msoAlertButtonOK's "OK").
// Failing it, as a current Office without a working assistant may, is done with failOn.
class Assistant : public TableObject<Assistant> {
 public:
  struct Alert {
    std::string title;
    std::string text;
    int buttons;        // MsoAlertButtonType
    int icon;           // MsoAlertIconType
    int defaultButton;  // MsoAlertDefaultType
    int cancelButton;   // MsoAlertCancelType
    bool sysAlert;
  };

  static constexpr int kAnswerOk = 1;

  void queueAnswer(int answer) { answers_.push_back(answer); }
  const std::vector<Alert>& alerts() const { return alerts_; }
  void clearAlerts() { alerts_.clear(); }

 private:
  friend class TableObject<Assistant>;
  static const DispatchTable<Assistant>& table();
  int doAlert(const Args& args);

  std::deque<int> answers_;
  std::vector<Alert> alerts_;
};

}  // namespace qh::sim::office
