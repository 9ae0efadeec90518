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
    Busy,     // another process holds the calendar open for changes (code 70, "Permission denied")
    // The file must not be replaced (it changed on disk since it was read, or it is read-only);
    // what was to be written is saved beside it instead (code 75).
    Kept,
  };

  CalendarError(Kind kind, std::string path, int line, std::string reason);

  Kind kind() const noexcept { return kind_; }
  const std::string& path() const noexcept { return path_; }
  int line() const noexcept { return line_; }  // 0 when no line applies
  const std::string& reason() const noexcept { return reason_; }
  // For Kept: the file that holds what was to be written.
  const std::string& savedAs() const noexcept { return savedAs_; }
  CalendarError& savedAs(std::string file) {
    savedAs_ = std::move(file);
    return *this;
  }

 private:
  Kind kind_;
  std::string path_;
  int line_;
  std::string reason_;
  std::string savedAs_;
};

}  // namespace qh::sim::mailbox
