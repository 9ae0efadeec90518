#pragma once

#include <optional>

#include "apps/quillhour/Invocation.h"
#include "apps/quillhour/Output.h"

namespace qh::app {

// The program's command line: the global options, the commands with their own options, and
// --help on each, with examples. Help goes to standard output; a command line that cannot be
// read is reported on standard error.
class CommandLine {
 public:
  struct Result {
    std::optional<Invocation> invocation;  // none: nothing to run
    int exitStatus = 0;                    // when there is none: 0 after help, 2 for bad input
  };

  static Result parse(int argc, const char* const* argv, Output& output);
};

}  // namespace qh::app
