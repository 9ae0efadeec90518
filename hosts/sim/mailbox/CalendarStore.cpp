#include "hosts/sim/mailbox/CalendarStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "hosts/sim/mailbox/AtomicFile.h"
#include "hosts/sim/mailbox/CalendarComposer.h"
#include "hosts/sim/mailbox/CalendarDocument.h"
#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/StoredComponent.h"

namespace qh::sim::mailbox {
namespace {

std::string readWholeFile(const std::string& path) {
  auto fail = [&](int error) {
    return CalendarError(CalendarError::Kind::Missing, path, 0,
                         "cannot read it (" + std::generic_category().message(error) + ")");
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw fail(errno);
  std::string text;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      throw fail(error);
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return text;
}

std::function<std::time_t()> clockOr(std::function<std::time_t()> clock) {
  if (clock) return clock;
  return [] { return std::time(nullptr); };
}

}  // namespace

CalendarStore::CalendarStore(std::string path, CalendarOptions options)
    : path_(std::move(path)),
      local_(options.zoneName.empty() ? LocalTime::systemZoneName() : options.zoneName),
      clock_(clockOr(std::move(options.clock))),
      document_(std::make_unique<CalendarDocument>(path_, readWholeFile(path_), local_)) {}

CalendarStore::~CalendarStore() = default;
CalendarStore::CalendarStore(CalendarStore&&) noexcept = default;
CalendarStore& CalendarStore::operator=(CalendarStore&&) noexcept = default;

std::vector<CalendarEntry> CalendarStore::entries() const {
  return document_->entries();
}

std::vector<ComponentHandle> CalendarStore::components() const {
  const auto& stored = document_->components();
  return {stored.begin(), stored.end()};
}

const CalendarEntry& CalendarStore::asRead(const ComponentHandle& component) {
  return component->asRead;
}

const std::vector<std::string>& CalendarStore::warnings() const {
  return document_->warnings();
}

void CalendarStore::save(std::vector<CalendarEntry>& entries) {
  const ComposedCalendar composed = CalendarComposer(*document_, local_, clock_()).compose(entries);
  std::unique_ptr<CalendarDocument> next;
  try {
    next = std::make_unique<CalendarDocument>(path_, composed.text, local_);
  } catch (const CalendarError& e) {
    // Not expected: what this store writes, it reads. Better no file than one it cannot read.
    throw CalendarError(CalendarError::Kind::Write, path_, 0,
                        "the new text would not read back: " + e.reason());
  }
  replaceFile(path_, composed.text);
  auto& fresh = next->components();
  for (std::size_t i = 0; i < composed.sources.size(); ++i) {
    const auto& source = composed.sources[i];
    if (source.stored) {
      // The caller's handle stays valid and now describes the component as written.
      *source.stored = std::move(*fresh[i]);
      fresh[i] = source.stored;
    } else {
      entries[source.created].component = fresh[i];
      entries[source.created].key = fresh[i]->asRead.key;
    }
  }
  document_ = std::move(next);
}

}  // namespace qh::sim::mailbox
