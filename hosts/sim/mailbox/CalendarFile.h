#pragma once

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qh::sim::mailbox {

// The file a calendar lives in, and the safe ways to change it. A calendar given as a symbolic
// link lives in the link's target, which is what gets written; the link stays.
class CalendarFile {
 public:
  explicit CalendarFile(std::string path);

  const std::string& path() const { return path_; }  // as given
  // The real file behind path (symbolic links resolved); path itself while it does not exist.
  const std::string& target() const { return target_; }
  // Where the previous file is kept: beside the real file (named as the user named the
  // calendar, unless that is a link).
  std::string backupPath() const { return (linked_ ? target_ : path_) + ".bak"; }

  // The whole file. Raises CalendarError (Missing) when it cannot be read.
  std::shared_ptr<const std::string> read() const;
  // Whether the file may be replaced: it has write permission (for root too, which the system
  // would let write a file nobody may write) and its folder lets us create files.
  bool writable() const;
  // Whether the file on disk holds exactly these bytes: size first, then content.
  bool holds(std::string_view bytes) const;

  // Replaces the file so that a reader sees either the old file or the new one, never a part:
  // the text goes to a new file of a unique name beside the target (same mode and, where the
  // system allows, owner), reaches the disk, and is renamed over the target; `previous` (what
  // the file holds now) becomes target + ".bak" the same way. beforeRename is given the new
  // file, open, so that a lock can move to it before anyone else can open it. When a step
  // fails, the file is as it was and CalendarError (Write) tells which step and why.
  void replace(std::string_view contents, std::string_view previous,
               const std::function<void(int)>& beforeRename = {}) const;

  // Writes contents beside the calendar under a name of its own, never over another file:
  // "NAME.quillhour-YYYYMMDD-HHMMSS.ics" (with "-2", "-3" ... when taken). Answers the name;
  // raises CalendarError (Write) when it cannot.
  std::string saveBeside(std::string_view contents, std::time_t now) const;

 private:
  std::string path_;
  std::string target_;
  bool linked_ = false;
};

}  // namespace qh::sim::mailbox
