#include "hosts/sim/mailbox/ContentLine.h"

#include "hosts/sim/mailbox/IcsText.h"

namespace qh::sim::mailbox {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct PhysicalLine {
  std::size_t begin, end;    // end: after the terminator
  std::string_view content;  // without terminator
};

// Lines end in LF or CRLF; in a text without any LF (old Mac files), in CR.
char terminatorOf(std::string_view text) {
  return text.find('\n') == std::string_view::npos ? '\r' : '\n';
}

PhysicalLine nextPhysicalLine(std::string_view text, std::size_t at, char terminator) {
  const auto newline = text.find(terminator, at);
  const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
  std::string_view content = text.substr(at, stop - at);
  if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
  return {at, newline == std::string_view::npos ? text.size() : newline + 1, content};
}

// Position of the first `stop` outside double quotes, or npos.
std::size_t findUnquoted(std::string_view s, char stop, std::size_t from = 0) {
  bool quoted = false;
  for (std::size_t i = from; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"')
      quoted = !quoted;
    else if (c == stop && !quoted)
      return i;
  }
  return std::string_view::npos;
}

void parseInto(std::string_view logical, ContentLine& line) {
  const auto colon = findUnquoted(logical, ':');
  std::string_view head = logical.substr(0, colon);
  if (colon != std::string_view::npos) line.value = logical.substr(colon + 1);
  auto semicolon = findUnquoted(head, ';');
  line.name = head.substr(0, semicolon);
  while (semicolon != std::string_view::npos) {
    const auto next = findUnquoted(head, ';', semicolon + 1);
    const auto param =
        head.substr(semicolon + 1,
                    next == std::string_view::npos ? std::string_view::npos : next - semicolon - 1);
    const auto equals = param.find('=');
    ContentParameter p;
    p.name = param.substr(0, equals);
    if (equals != std::string_view::npos) p.value = param.substr(equals + 1);
    line.params.push_back(std::move(p));
    semicolon = next;
  }
}

void assignDepths(std::vector<ContentLine>& lines) {
  int depth = 0;
  for (auto& line : lines) {
    if (line.is("END") && depth > 0) --depth;
    line.depth = depth;
    if (line.is("BEGIN")) ++depth;
  }
}

}  // namespace

bool ContentLine::is(std::string_view propertyName) const {
  return equalsIgnoreCase(name, propertyName);
}

bool ContentLine::hasParam(std::string_view paramName) const {
  for (const auto& p : params)
    if (equalsIgnoreCase(p.name, paramName)) return true;
  return false;
}

std::string ContentLine::param(std::string_view paramName) const {
  for (const auto& p : params) {
    if (!equalsIgnoreCase(p.name, paramName)) continue;
    std::string_view v = p.value;
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return std::string(v);
  }
  return {};
}

void forEachLogicalLine(std::string_view text, int firstLineNumber,
                        const std::function<void(const LogicalLine&)>& visit) {
  // Most lines are not folded: they are handed over where they stand in the text, and only a
  // folded one is put together first.
  LogicalLine line;
  bool open = false;
  std::string unfolded;
  bool folded = false;
  std::size_t at =
      text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
  int number = firstLineNumber;
  const char terminator = terminatorOf(text);
  auto flush = [&] {
    if (!open) return;
    if (folded) line.content = unfolded;
    visit(line);
  };
  while (at < text.size()) {
    const PhysicalLine physical = nextPhysicalLine(text, at, terminator);
    const bool continues = open && !physical.content.empty() &&
                           (physical.content.front() == ' ' || physical.content.front() == '\t');
    if (continues) {
      if (!folded) unfolded.assign(line.content);
      folded = true;
      unfolded.append(physical.content.substr(1));
      line.end = physical.end;
    } else {
      flush();
      line.begin = open ? physical.begin : 0;
      line.end = physical.end;
      line.lineNumber = number;
      line.content = physical.content;
      open = true;
      folded = false;
    }
    at = physical.end;
    ++number;
  }
  flush();
}

ContentLine parseContentLine(const LogicalLine& logical) {
  ContentLine line;
  line.begin = logical.begin;
  line.end = logical.end;
  line.lineNumber = logical.lineNumber;
  parseInto(logical.content, line);
  return line;
}

std::string_view nameOf(std::string_view content) {
  std::size_t end = 0;
  while (end < content.size() && content[end] != ';' && content[end] != ':') ++end;
  return content.substr(0, end);
}

bool hasName(std::string_view content, std::string_view propertyName) {
  // Only the character after the name is looked at, not the rest of a long line.
  const std::size_t n = propertyName.size();
  if (content.size() < n) return false;
  if (content.size() > n && content[n] != ';' && content[n] != ':') return false;
  return equalsIgnoreCase(content.substr(0, n), propertyName);
}

std::vector<ContentLine> splitContentLines(std::string_view text, int firstLineNumber) {
  std::vector<ContentLine> lines;
  forEachLogicalLine(text, firstLineNumber,
                     [&](const LogicalLine& line) { lines.push_back(parseContentLine(line)); });
  assignDepths(lines);
  return lines;
}

std::string formatContentLine(std::string_view name, const std::vector<ContentParameter>& params,
                              std::string_view value) {
  std::string line(name);
  for (const auto& p : params) {
    line += ';';
    line += p.name;
    line += '=';
    line += p.value;
  }
  line += ':';
  line += value;
  return line;
}

std::string quoteParamValue(std::string_view value) {
  if (value.find_first_of(":;,") == std::string_view::npos) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

}  // namespace qh::sim::mailbox
