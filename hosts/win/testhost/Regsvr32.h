#pragma once

#include <string>

namespace qh::win {

// Runs the system's regsvr32 on a module, silently (/s), as an installer does, and answers
// its exit code (0 when the module registered itself; unregister runs it with /u). Raises
// Error when regsvr32 cannot be started.
int runRegsvr32(const std::string& modulePath, bool unregister = false);

}  // namespace qh::win
