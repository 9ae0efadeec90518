#pragma once

#include <istream>
#include <optional>
#include <string>

namespace qh::app {

// Where a session's lines come from: a script file, standard input, or the user at a prompt.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line without its line break, or nothing at the end.
  virtual std::optional<std::string> next() = 0;
};

class StreamLines : public LineSource {
 public:
  explicit StreamLines(std::istream& in) : in_(in) {}
  std::optional<std::string> next() override {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

 private:
  std::istream& in_;
};

}  // namespace qh::app
