#pragma once

#include <filesystem>

#include "apps/quillhour/Invocation.h"
#include "apps/quillhour/Output.h"

namespace qh::app {

// The main job for a newcomer: the example calendar (a fortnight of work) is copied into the
// output folder, the example script acts on it in the simulated Outlook, line by line on the
// screen, and the end tells where the workbook and the updated calendar are.
class Demo {
 public:
  static constexpr const char* kCalendar = "fortnight.ics";
  static constexpr const char* kScript = "demo.qh";
  static constexpr const char* kDefaultOut = "quillhour-demo";

  Demo(const Invocation& invocation, Output& output) : invocation_(invocation), output_(output) {}

  // Answers the exit status: 0, or 1 when a line of the script failed or the calendar could
  // not be written back.
  int run();

 private:
  std::filesystem::path prepareCalendar(const std::filesystem::path& out);

  const Invocation& invocation_;
  Output& output_;
};

}  // namespace qh::app
