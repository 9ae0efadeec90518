#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hosts/sim/mailbox/CalendarEntry.h"
#include "hosts/sim/mailbox/CalendarFile.h"
#include "hosts/sim/mailbox/LocalTime.h"

namespace qh::sim::mailbox {

class CalendarDocument;
class CalendarLock;

struct CalendarOptions {
  std::string zoneName;                // the user's zone; empty: the process's (TZ, /etc/localtime)
  std::function<std::time_t()> clock;  // stamps new components (DTSTAMP); empty: the system clock
  // Opens the calendar for changes: no other process that asks the same can have it until the
  // store ends. Waits this long for one that has it. Empty: no lock is taken.
  std::optional<std::chrono::milliseconds> lockWait;
};

// A user's calendar kept in an iCalendar file: read into entries, written back from them.
// What the program does not change stays in the file as it was, byte for byte.
class CalendarStore {
 public:
  // Reads the file (after taking the lock, when asked to). Raises CalendarError naming the file
  // (and the line where one applies) when it is missing, cannot be read as iCalendar or is
  // locked by another process (Busy), and Error for an unknown zone name.
  explicit CalendarStore(std::string path, CalendarOptions options = {});
  ~CalendarStore();
  CalendarStore(CalendarStore&&) noexcept;
  CalendarStore& operator=(CalendarStore&&) noexcept;

  const std::string& path() const { return file_.path(); }
  // Where the previous file is kept by save.
  std::string backupPath() const { return file_.backupPath(); }
  // Whether save may replace the file (it is not read-only).
  bool writable() const { return file_.writable(); }
  const std::string& zoneName() const { return local_.zoneName(); }

  // The file's appointments as last read or written, each with its component's handle.
  std::vector<CalendarEntry> entries() const;
  // The same as handles alone; asRead tells what each holds.
  std::vector<ComponentHandle> components() const;
  // What was read from a component as it stands in the file (its handle left empty).
  static const CalendarEntry& asRead(const ComponentHandle& component);
  // Problems that did not stop reading ("path:line: text"): unknown time zones, values read
  // as text, events that end before they start.
  const std::vector<std::string>& warnings() const;

  // Makes the file hold exactly these entries: components of entries left out are deleted,
  // changed ones patched, entries without a component added (components that are no
  // appointments stay as they are). On success the new entries get their handle and key, and
  // every handle follows its component into the new file. Writes atomically and keeps the
  // previous file as backupPath(); on failure the file is as it was and CalendarError (Write)
  // says why. A file that changed on disk since it was read, or is read-only, is left alone:
  // the new text is saved beside it and CalendarError (Kept) names both.
  void save(std::vector<CalendarEntry>& entries);

 private:
  CalendarFile file_;
  std::unique_ptr<CalendarLock> lock_;
  LocalTime local_;
  std::function<std::time_t()> clock_;
  std::unique_ptr<CalendarDocument> document_;
};

}  // namespace qh::sim::mailbox
