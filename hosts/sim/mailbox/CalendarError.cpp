#include "hosts/sim/mailbox/CalendarError.h"

#include <cstdint>

namespace qh::sim::mailbox {
namespace {

std::int32_t codeOf(CalendarError::Kind kind) {
  switch (kind) {
    case CalendarError::Kind::Missing:
      return static_cast<std::int32_t>(ErrorCode::FileNotFound);
    case CalendarError::Kind::Format:
      return static_cast<std::int32_t>(0x80004005u);
    case CalendarError::Kind::Write:
    case CalendarError::Kind::Kept:
      return 75;
    case CalendarError::Kind::Busy:
      return 70;
  }
  return static_cast<std::int32_t>(0x80004005u);
}

std::string messageFor(const std::string& path, int line, const std::string& reason) {
  if (line > 0) return path + ":" + std::to_string(line) + ": " + reason;
  return path + ": " + reason;
}

}  // namespace

CalendarError::CalendarError(Kind kind, std::string path, int line, std::string reason)
    : Error(codeOf(kind), messageFor(path, line, reason)),
      kind_(kind),
      path_(std::move(path)),
      line_(line),
      reason_(std::move(reason)) {}

}  // namespace qh::sim::mailbox
