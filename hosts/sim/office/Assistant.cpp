#include "hosts/sim/office/Assistant.h"

namespace qh::sim::office {
namespace {

// An omitted optional argument takes Office's default.
int intArg(const Args& args, size_t i, int fallback) {
  return argPresent(args, i) ? args[i].toInt32() : fallback;
}

constexpr int kCancelDefault = -1;  // msoAlertCancelDefault

}  // namespace

int Assistant::doAlert(const Args& args) {
  alerts_.push_back(Alert{requiredArg(args, 0).toString(), requiredArg(args, 1).toString(),
                          intArg(args, 2, 0), intArg(args, 3, 0), intArg(args, 4, 0),
                          intArg(args, 5, kCancelDefault),
                          argPresent(args, 6) && args[6].toBool()});
  if (answers_.empty()) return kAnswerOk;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

const DispatchTable<Assistant>& Assistant::table() {
  static const DispatchTable<Assistant> t = [] {
    DispatchTable<Assistant> d;
    d.method("DoAlert", [](Assistant& a, Args& args) { return Variant(a.doAlert(args)); });
    return d;
  }();
  return t;
}

}  // namespace qh::sim::office
