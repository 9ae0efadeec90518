#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qh::bench {

// One run of a program: wall time, peak resident size, exit status.
struct Measure {
  double seconds = 0;
  double cpuSeconds = 0;  // user and system: steadier than wall time on a busy machine
  double peakMb = 0;
  int status = 0;
};

// Runs a program in folder (zone Europe/Berlin) with its output thrown away.
Measure measure(const std::vector<std::string>& args, const std::filesystem::path& folder);
// The run with the least wall time.
Measure best(const std::vector<Measure>& runs);

}  // namespace qh::bench
