#pragma once

#include <chrono>
#include <string>

namespace qh::sim::mailbox {

// One process at a time holds a calendar open for changes: an advisory lock (flock) on the
// calendar file itself, held from before it is read until the session ends. A replaced file
// is a new file, so the lock moves to the new one before it takes the calendar's name, and a
// process that waited on the old one looks again.
class CalendarLock {
 public:
  // Locks the file at target, waiting up to `wait` for another holder to let go. Raises
  // CalendarError (Busy) naming the holder when it does not, and (Missing) when the file
  // cannot be opened.
  CalendarLock(const std::string& path, const std::string& target, std::chrono::milliseconds wait);
  ~CalendarLock();
  CalendarLock(const CalendarLock&) = delete;
  CalendarLock& operator=(const CalendarLock&) = delete;

  // The calendar is about to be replaced by the file open as fd: hold that one from now on.
  void moveTo(int fd);

  // Who holds a lock on the file at target: "process 123 (quillhour --mailbox a.ics shell)",
  // or "another process" when the system does not tell.
  static std::string holderOf(const std::string& target);

 private:
  int fd_ = -1;
};

}  // namespace qh::sim::mailbox
