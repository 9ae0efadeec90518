#pragma once

#include <stdexcept>
#include <string>

namespace qh::app {

// A session command that cannot be carried out as written: an unknown command, a bad argument,
// or a window or dialog that is not there. The session goes on after it.
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Input the program refuses before it changes anything (a bad option, a mailbox it cannot
// read, a tag or item that does not exist): the program ends with status 2.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qh::app
