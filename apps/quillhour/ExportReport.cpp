#include "apps/quillhour/ExportReport.h"

#include <algorithm>

#include "apps/quillhour/TextFormat.h"

namespace qh::app {
namespace {

std::string times(int n) {
  return n == 1 ? "1 Time" : fmt::format("{} Times", n);
}

std::string hours(double h) {
  return formatHours(h) + (h == 1 ? " hour" : " hours");
}

}  // namespace

void printExport(Output& output, const WorkbookSummary& summary, bool inMinutes) {
  const double perHour = inMinutes ? 60.0 : 1.0;
  output.line("exported {}, {}", times(summary.times), hours(summary.duration / perHour));
  std::size_t width = 0;
  for (const auto& total : summary.perTag)
    width = std::max(width, total.tag.empty() ? std::size_t{8} : total.tag.size());
  for (const auto& total : summary.perTag) {
    const std::string tag = total.tag.empty() ? "(no tag)" : total.tag;
    output.line("  {:<{}}  {} ({})", tag, width, hours(total.duration / perHour),
                times(total.times));
  }
  output.line("workbook: {}", summary.path.string());
}

}  // namespace qh::app
