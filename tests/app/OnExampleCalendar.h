#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/ProgramRun.h"

namespace qh::app::testing {

// A test on a copy of the shipped example calendar, in a folder of its own.
class OnExampleCalendar : public ::testing::Test {
 protected:
  // quillhour --mailbox CALENDAR ARGS..., run in the folder.
  ProgramRun quillhour(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--mailbox", calendar});
    return runQuillhour(args, folder.path(), input);
  }
  // A session script read by `run -`, the clock fixed at 4 December 2026, 17:30, and the
  // global options given before the command.
  ProgramRun script(const std::string& lines, std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"--now", "2026-12-04 17:30:00"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"run", "-"});
    return quillhour(args, lines);
  }

  TestFolder folder;
  std::string calendar = folder.exampleCalendar();
};

}  // namespace qh::app::testing
