#include "fuzz/CalendarProperties.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "hosts/sim/mailbox/CalendarComposer.h"
#include "hosts/sim/mailbox/CalendarDocument.h"
#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/IcsText.h"

namespace qh::fuzz {
namespace {

using sim::mailbox::CalendarComposer;
using sim::mailbox::CalendarDocument;
using sim::mailbox::CalendarEntry;
using sim::mailbox::CalendarError;
using sim::mailbox::LocalTime;

constexpr std::time_t kNow = 1700000000;

[[noreturn]] void broken(const std::string& what) {
  std::fprintf(stderr, "property broken: %s\n", what.c_str());
  std::abort();
}

const LocalTime& local() {
  static const LocalTime zone("Europe/Berlin");
  return zone;
}

std::unique_ptr<CalendarDocument> read(const std::string& text) {
  try {
    return std::make_unique<CalendarDocument>("fuzz.ics", std::make_shared<std::string>(text),
                                              local());
  } catch (const CalendarError&) {
    return nullptr;  // refused with a reason: fine
  }
}

long long second(Date d) {
  return std::llround(d.serial() * 86400.0);
}

std::string describe(const CalendarEntry& e) {
  return e.key + " | " + e.subject + " | " + std::to_string(second(e.start)) + " | " +
         std::to_string(e.durationMinutes) + " | " + (e.allDayEvent ? "all day" : "timed") + " | " +
         e.categories + " | " + e.body + " | " + std::to_string(e.userProperties.size());
}

bool same(const CalendarEntry& a, const CalendarEntry& b) {
  return describe(a) == describe(b);
}

// A few bytes of the input, read in order.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
  // A text of printable ASCII and a few accented letters, as users type them.
  std::string text() {
    static constexpr std::string_view kLetters[] = {
        "a", "B", " ", ",", ";", "\\", "\xC3\xA9", "\xE2\x80\x93", "x", "7", "\n", ":"};
    std::string out;
    for (int n = next() % 12; n > 0; --n) out += kLetters[next() % std::size(kLetters)];
    return out;
  }
  std::size_t used() const { return at_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// The change the bytes choose, made to one entry.
void change(CalendarEntry& entry, Bytes& bytes) {
  switch (bytes.next() % 6) {
    case 0:
      entry.subject = bytes.text();
      break;
    case 1:
      entry.body = bytes.text();
      break;
    case 2:
      entry.categories = sim::mailbox::joinCategories(sim::mailbox::splitCategories(bytes.text()));
      break;
    case 3:  // a new start, on the hour in working time (no daylight-saving gap)
      entry.start = Date::fromParts(2000 + bytes.next() % 40, 1 + bytes.next() % 12,
                                    1 + bytes.next() % 28, 8 + bytes.next() % 12, 0);
      entry.allDayEvent = false;
      break;
    case 4:
      entry.durationMinutes = 15 * (bytes.next() % 64);
      entry.allDayEvent = false;
      break;
    default:  // all day, whole days
      entry.start = entry.start.dateOnly();
      entry.durationMinutes = 1440 * (1 + bytes.next() % 3);
      entry.allDayEvent = true;
      break;
  }
}

}  // namespace

void readAndWriteBackUnchanged(const std::string& text) {
  const auto document = read(text);
  if (!document) return;
  const std::string written =
      CalendarComposer(*document, local(), kNow).compose(document->entries()).text;
  if (written != text) broken("an unchanged calendar was not written back byte for byte");
}

void changeOneEntry(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  const std::size_t which = bytes.next();
  const std::size_t skip = 32;  // the change's bytes
  if (size < skip) return;
  const std::string text(reinterpret_cast<const char*>(data) + skip, size - skip);
  const auto document = read(text);
  if (!document) return;
  std::vector<CalendarEntry> entries = document->entries();
  if (entries.empty()) return;
  const std::size_t index = which % entries.size();
  // Only a file whose entries are one each (no repeated UID) can tell them apart again.
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].key.find('#') != std::string::npos) return;
  CalendarEntry& changed = entries[index];
  change(changed, bytes);

  std::string written;
  try {
    written = CalendarComposer(*document, local(), kNow).compose(entries).text;
  } catch (const CalendarError&) {
    return;  // an entry the file cannot hold (refused with a reason)
  }
  const auto again = read(written);
  if (!again) broken("a written calendar does not read again:\n" + written);
  const std::vector<CalendarEntry> reread = again->entries();
  if (reread.size() != entries.size()) broken("the number of entries changed");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    CalendarEntry expected = entries[i];
    expected.categories =
        sim::mailbox::joinCategories(sim::mailbox::splitCategories(expected.categories));
    CalendarEntry actual = reread[i];
    actual.categories =
        sim::mailbox::joinCategories(sim::mailbox::splitCategories(actual.categories));
    if (!same(expected, actual))
      broken("entry " + std::to_string(i) + (i == index ? " (changed)" : " (unchanged)") +
             " reads back as\n  " + describe(actual) + "\nnot\n  " + describe(expected) +
             "\nfrom\n" + written);
  }
}

}  // namespace qh::fuzz
