#pragma once

#include <functional>

#include "apps/quillhour/Invocation.h"
#include "apps/quillhour/Output.h"
#include "apps/quillhour/Session.h"

namespace qh::app {

// The commands that do one thing and end: list, tags, tag and export. Each runs a session that
// acts the way the user would in Outlook; a step that cannot be taken ends the command with
// an InputError before anything is written back.
class OneShotCommands {
 public:
  OneShotCommands(const Invocation& invocation, Output& output)
      : invocation_(invocation), output_(output) {}

  int list();
  int tags();
  int tag();
  int exportTimes();

 private:
  // Runs steps in a new session; answers the exit status (0, or 1 when the calendar could
  // not be written back or the steps fell short).
  int inSession(const std::function<void(Session&)>& steps);
  void setTags(Session& session, const std::string& list);
  void printTags(Session& session);

  const Invocation& invocation_;
  Output& output_;
  bool failed_ = false;  // the steps ran, yet did not reach their end (no workbook)
};

}  // namespace qh::app
