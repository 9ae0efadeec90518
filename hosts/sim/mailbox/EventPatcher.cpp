#include "hosts/sim/mailbox/EventPatcher.h"

#include <algorithm>

#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/IcsText.h"

namespace qh::sim::mailbox {
namespace {

// Bytes [begin, end) of the text give way to replacement.
struct Splice {
  std::size_t begin, end;
  std::string replacement;
};

// Where properties the VEVENT lacks are added: properties come before inner components.
std::size_t insertionPoint(const std::vector<ContentLine>& lines, std::size_t textSize) {
  for (const auto& line : lines)
    if (line.depth == 1 && line.is("BEGIN")) return line.begin;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (it->depth == 0 && it->is("END")) return it->begin;
  return textSize;
}

std::string folded(const std::vector<std::string>& lines, std::string_view lineEnding) {
  std::string out;
  for (const auto& line : lines) out += foldLine(line, lineEnding);
  return out;
}

std::vector<Splice> splicesFor(const PropertyEdit& edit, const std::vector<ContentLine>& lines,
                               std::size_t insertAt, std::string_view lineEnding) {
  std::vector<Splice> splices;
  for (const auto& line : lines) {
    if (line.depth != 1 || !line.is(edit.name)) continue;
    const bool first = splices.empty();
    splices.push_back({line.begin, line.end, first ? folded(edit.lines, lineEnding) : ""});
  }
  if (splices.empty() && !edit.lines.empty())
    splices.push_back({insertAt, insertAt, folded(edit.lines, lineEnding)});
  return splices;
}

}  // namespace

std::string patchEvent(std::string_view text, const std::vector<PropertyEdit>& edits,
                       std::string_view lineEnding) {
  const std::vector<ContentLine> lines = splitContentLines(text);
  const std::size_t insertAt = insertionPoint(lines, text.size());
  std::vector<Splice> splices;
  for (const auto& edit : edits) {
    auto more = splicesFor(edit, lines, insertAt, lineEnding);
    splices.insert(splices.end(), more.begin(), more.end());
  }
  // Additions at one point keep the order of their edits.
  std::stable_sort(splices.begin(), splices.end(),
                   [](const Splice& a, const Splice& b) { return a.begin < b.begin; });
  std::string out;
  std::size_t cursor = 0;
  for (const auto& splice : splices) {
    if (splice.begin > cursor) out.append(text.substr(cursor, splice.begin - cursor));
    out += splice.replacement;
    cursor = std::max(cursor, splice.end);
  }
  out.append(text.substr(cursor));
  return out;
}

}  // namespace qh::sim::mailbox
