#pragma once

#include <cstddef>
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
  bool isBegin(std::string_view component) const;
  bool isEnd(std::string_view component) const;
  bool isBlank() const { return name.empty() && value.empty(); }
  // The parameter's value with surrounding quotes removed, or empty when it is absent.
  std::string param(std::string_view paramName) const;
  bool hasParam(std::string_view paramName) const;
};

// Splits text into logical lines: a physical line beginning with a space or tab continues the
// previous one. A UTF-8 byte order mark before the first line is skipped but stays in its span.
// Line numbers count from firstLineNumber.
std::vector<ContentLine> splitContentLines(std::string_view text, int firstLineNumber = 1);

// "NAME;P=V:value", unfolded; parameters are written as given.
std::string formatContentLine(std::string_view name, const std::vector<ContentParameter>& params,
                              std::string_view value);

// A parameter value, quoted when it holds a character that ends a parameter.
std::string quoteParamValue(std::string_view value);

}  // namespace qh::sim::mailbox
