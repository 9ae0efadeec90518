#pragma once

#include <string>

#include "apps/quillhour/LineSource.h"
#include "apps/quillhour/Output.h"
#include "apps/quillhour/Session.h"

namespace qh::app {

// Runs the lines of a source in a session, the way a user would act them out: a line that
// fails is reported as "source:N: message" and the next one runs.
class ScriptRunner {
 public:
  struct Options {
    std::string source = "line";  // how failures name where the line came from
    bool echo = false;            // repeat each line (commands as "> line") before running it
  };

  ScriptRunner(Session& session, Output& output, Options options)
      : session_(session), output_(output), options_(std::move(options)) {}

  // Runs lines until the source ends or a "quit"; answers how many failed.
  int run(LineSource& lines);

 private:
  Session& session_;
  Output& output_;
  Options options_;
};

}  // namespace qh::app
