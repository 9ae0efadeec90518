// Times `quillhour export` with the pivot table and chart on a generated calendar that fills
// the export sheet (32,764 Times), beside the floor for the same work on the same machine
// (export_floor: libical parsing the file plus libxlsxwriter writing the same rows), and
// reports wall time and peak memory of each, best of several runs.
//   export_bench [TIMES [RUNS]]
#include <unistd.h>

#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/CalendarGenerator.h"
#include "bench/ProcessMeasure.h"

namespace {

namespace fs = std::filesystem;
using qh::bench::Measure;

}  // namespace

int main(int argc, char** argv) {
  const int times = argc > 1 ? std::atoi(argv[1]) : 32764;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  const fs::path folder = fs::temp_directory_path() / fmt::format("qh-bench-{}", ::getpid());
  fs::create_directories(folder);
  const fs::path calendar = folder / "calendar.ics";
  std::ofstream(calendar, std::ios::binary) << qh::bench::generateCalendar(times);

  const std::vector<std::string> floor = {QH_FLOOR_PATH, calendar.string(), "floor.xlsx"};
  const std::vector<std::string> quillhour = {
      QH_PROGRAM_PATH, "--mailbox", calendar.string(), "--now", "2026-01-05 12:00:00",
      "export",        "--from",    "2020-01-01",      "--to",  qh::bench::lastDayOf(times),
      "--diagram",     "-o",        "export.xlsx"};
  std::vector<Measure> floorRuns, exportRuns;
  for (int i = 0; i < runs; ++i) {
    floorRuns.push_back(qh::bench::measure(floor, folder));
    exportRuns.push_back(qh::bench::measure(quillhour, folder));
  }
  const Measure f = qh::bench::best(floorRuns), q = qh::bench::best(exportRuns);
  fmt::print("Export of {} Times with pivot table and chart, best of {} runs ({:.1f} MB file)\n",
             times, runs, static_cast<double>(fs::file_size(calendar)) / 1e6);
  fmt::print("  {:<34} {:>8} {:>8} {:>9}\n", "", "wall s", "cpu s", "peak MB");
  fmt::print("  {:<34} {:>8.2f} {:>8.2f} {:>9.0f}\n", "floor (libical + libxlsxwriter)", f.seconds,
             f.cpuSeconds, f.peakMb);
  fmt::print("  {:<34} {:>8.2f} {:>8.2f} {:>9.0f}\n", "quillhour export --diagram", q.seconds,
             q.cpuSeconds, q.peakMb);
  fmt::print("  {:<34} {:>7.2f}x {:>7.2f}x {:>8.2f}x\n", "ratio", q.seconds / f.seconds,
             q.cpuSeconds / f.cpuSeconds, q.peakMb / f.peakMb);
  const bool met = q.seconds <= 1.3 * f.seconds && q.peakMb <= 1.5 * f.peakMb;
  fmt::print("  target: within 1.3x the floor's time and 1.5x its memory: {}\n",
             met ? "met" : "missed");
  if (f.status != 0 || q.status != 0)
    fmt::print("  a run failed: floor status {}, export status {}\n", f.status, q.status);
  // QH_BENCH_KEEP=1 keeps the calendar for profiling the program on its own.
  if (const char* keep = std::getenv("QH_BENCH_KEEP"); keep && *keep == '1')
    fmt::print("  kept: {}\n", folder.string());
  else
    fs::remove_all(folder);
  return f.status == 0 && q.status == 0 ? 0 : 1;
}
