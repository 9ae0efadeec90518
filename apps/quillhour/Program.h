#pragma once

#include <iostream>

#include "apps/quillhour/Output.h"

namespace qh::app {

// The quillhour program: reads the command line, runs the command, and answers the exit
// status: 0 done; 1 a script had failing lines, or something could not be written; 2 bad
// input, with nothing written.
class Program {
 public:
  Program(std::ostream& out, std::ostream& err) : output_(out, err) {}
  int run(int argc, const char* const* argv);

 private:
  Output output_;
};

}  // namespace qh::app
