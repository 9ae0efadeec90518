// Reading large calendars: `quillhour list` and `quillhour tag` on a 50 MB calendar beside
// what libical alone needs to parse it (time and peak memory), and the time to read one long
// unfolded line of 1, 8 and 50 MB, which must grow in step with the size.
//   read_bench [MEGABYTES [RUNS]]
#include <unistd.h>

#include <fmt/format.h>

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

// A calendar of about `megabytes` MB of ordinary Times.
std::string largeCalendar(int megabytes) {
  const int times = megabytes * 1'000'000 / 245;  // about 245 bytes a Time
  return qh::bench::generateCalendar(times);
}

// A small calendar whose one SUMMARY is a single line of `megabytes` MB, never folded.
std::string longLineCalendar(int megabytes) {
  std::string text = qh::bench::generateCalendar(10);
  const std::string at = "SUMMARY:Atlas task 0";
  text.insert(text.find(at) + at.size(), std::string(megabytes * 1'000'000, 'x'));
  return text;
}

Measure bestOf(int runs, const std::vector<std::string>& args, const fs::path& folder) {
  std::vector<Measure> all;
  for (int i = 0; i < runs; ++i) all.push_back(qh::bench::measure(args, folder));
  return qh::bench::best(all);
}

void row(const std::string& what, const Measure& m, const Measure& floor) {
  fmt::print("  {:<36} {:>8.2f} {:>9.0f} {:>7.2f}x {:>7.2f}x{}\n", what, m.seconds, m.peakMb,
             m.seconds / floor.seconds, m.peakMb / floor.peakMb,
             m.status == 0 ? "" : fmt::format("  (status {})", m.status));
}

}  // namespace

int main(int argc, char** argv) {
  const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 2;
  const fs::path folder = fs::temp_directory_path() / fmt::format("qh-read-bench-{}", ::getpid());
  fs::create_directories(folder);
  const fs::path calendar = folder / "calendar.ics";
  std::ofstream(calendar, std::ios::binary) << largeCalendar(megabytes);
  const std::string path = calendar.string();

  const Measure floor = bestOf(runs, {QH_LIBICAL_FLOOR_PATH, path}, folder);
  const Measure list = bestOf(runs, {QH_PROGRAM_PATH, "--mailbox", path, "list"}, folder);
  const Measure tag = bestOf(
      1, {QH_PROGRAM_PATH, "--mailbox", path, "tag", "Atlas", "bench-1@example.com"}, folder);
  fmt::print("Reading a calendar of {:.1f} MB, best of {} runs\n",
             static_cast<double>(fs::file_size(calendar)) / 1e6, runs);
  fmt::print("  {:<36} {:>8} {:>9} {:>8} {:>8}\n", "", "wall s", "peak MB", "time", "memory");
  row("libical alone (parse)", floor, floor);
  row("quillhour list", list, floor);
  row("quillhour tag (one item)", tag, floor);
  const bool met = list.peakMb <= 1.5 * floor.peakMb && tag.peakMb <= 1.5 * floor.peakMb;
  fmt::print("  target: list and tag within 1.5x libical's memory: {}\n", met ? "met" : "missed");

  fmt::print("One unfolded line of 1, 8 and {} MB (quillhour list)\n", megabytes);
  double perMb = 0;
  for (int size : {1, 8, megabytes}) {
    const fs::path file = folder / fmt::format("line-{}.ics", size);
    std::ofstream(file, std::ios::binary) << longLineCalendar(size);
    const Measure m = bestOf(runs, {QH_PROGRAM_PATH, "--mailbox", file.string(), "list"}, folder);
    if (size == 1) perMb = m.seconds;
    fmt::print("  {:>3} MB {:>8.2f} s {:>7.0f} MB  ({:.1f}x the 1 MB time){}\n", size, m.seconds,
               m.peakMb, m.seconds / perMb, m.status == 0 ? "" : " FAILED");
  }
  fs::remove_all(folder);
  return 0;
}
