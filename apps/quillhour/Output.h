#pragma once

#include <fmt/format.h>

#include <ostream>
#include <string>

namespace qh::app {

// Where the program speaks: what the user asked for goes to standard output, one line at a
// time; errors, warnings and progress go to standard error.
class Output {
 public:
  Output(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  template <class... A>
  void line(fmt::format_string<A...> format, A&&... args) {
    out_ << fmt::format(format, std::forward<A>(args)...) << '\n';
    out_.flush();
  }
  template <class... A>
  void error(fmt::format_string<A...> format, A&&... args) {
    out_.flush();
    err_ << fmt::format(format, std::forward<A>(args)...) << '\n';
    err_.flush();
  }

  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace qh::app
