#pragma once

#include <string>

#include "automation/Error.h"

namespace qh::sim::mailbox {

// A calendar file that cannot be read or written. The description names the file and, where
// known, the line: "path:12: VEVENT without DTSTART".
class CalendarError : public Error {
 public:
  enum class Kind {
    Missing,  // the file cannot be opened (code 53, as "File not found")
    Format,   // the text is not a calendar this store can read (E_FAIL)
    Write,    // the new text cannot be made or stored (code 75, "Path/File access error")
  };

  CalendarError(Kind kind, std::string path, int line, std::string reason);

  Kind kind() const noexcept { return kind_; }
  const std::string& path() const noexcept { return path_; }
  int line() const noexcept { return line_; }  // 0 when no line applies
  const std::string& reason() const noexcept { return reason_; }

 private:
  Kind kind_;
  std::string path_;
  int line_;
  std::string reason_;
};

}  // namespace qh::sim::mailbox
