#pragma once

#include <string>

namespace qh::core {

// Appends one time-stamped line to the log window (created hidden on first use); the window
// keeps the newest 25 lines.
void WriteLog(const std::string& message);
// The entry point for fixed trace texts; the same as WriteLog.
void TraceLog(const std::string& message);

}  // namespace qh::core
