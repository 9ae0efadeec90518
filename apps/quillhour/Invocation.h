#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apps/quillhour/SessionOptions.h"

namespace qh::app {

// What the command line asks for, read but not yet checked against the files.
struct Invocation {
  enum class Command { Demo, List, Tags, Tag, Export, Run, Shell };

  Command command = Command::Shell;
  SessionOptions session;
  bool outGiven = false;  // --out was on the command line (the demo has a default of its own)

  std::optional<Date> from;  // list, export
  std::optional<Date> to;
  std::optional<std::string> setTags;      // tags --set
  std::string tag;                         // tag
  std::vector<std::string> entryIds;       // tag
  std::vector<std::string> exportOptions;  // export: the check boxes to tick
  std::string workbook;                    // export -o
  std::string script;                      // run: a file, or "-" for standard input
};

}  // namespace qh::app
