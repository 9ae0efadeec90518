#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qh::sim::mailbox {

struct ContentParameter {
  std::string name;
  std::string value;  // as written, quotes included
};

// One logical (unfolded) line of iCalendar text and where it sits in that text.
struct ContentLine {
  std::size_t begin = 0;  // first byte of its first physical line
  std::size_t end = 0;    // just after the terminator of its last physical line
  int lineNumber = 0;     // of its first physical line
  int depth = 0;          // components open around it; BEGIN and END lines count as outside
  std::string name;       // as written
  std::vector<ContentParameter> params;
  std::string value;  // unfolded, still escaped

  bool is(std::string_view propertyName) const;  // name test, case-insensitive
  bool isBlank() const { return name.empty() && value.empty(); }
  // The parameter's value with surrounding quotes removed, or empty when it is absent.
  std::string param(std::string_view paramName) const;
  bool hasParam(std::string_view paramName) const;
};

// One logical line where it stands in the text, not yet parsed. content is unfolded; it stays
// valid only while the line is visited.
struct LogicalLine {
  std::size_t begin = 0;
  std::size_t end = 0;
  int lineNumber = 0;
  std::string_view content;
};

// Visits the logical lines of text in order: a physical line beginning with a space or tab
// continues the previous one. A UTF-8 byte order mark before the first line is skipped but
// stays in its span. Line numbers count from firstLineNumber.
void forEachLogicalLine(std::string_view text, int firstLineNumber,
                        const std::function<void(const LogicalLine&)>& visit);

// The logical line parsed into name, parameters and value; depth is left 0.
ContentLine parseContentLine(const LogicalLine& line);

// The name at the start of a logical line's content, without parsing the rest of it.
std::string_view nameOf(std::string_view content);
// True when the line's name is propertyName (case-insensitive).
bool hasName(std::string_view content, std::string_view propertyName);

// Splits text into parsed logical lines (see forEachLogicalLine), each with its depth.
std::vector<ContentLine> splitContentLines(std::string_view text, int firstLineNumber = 1);

// "NAME;P=V:value", unfolded; parameters are written as given.
std::string formatContentLine(std::string_view name, const std::vector<ContentParameter>& params,
                              std::string_view value);

// A parameter value, quoted when it holds a character that ends a parameter.
std::string quoteParamValue(std::string_view value);

}  // namespace qh::sim::mailbox
