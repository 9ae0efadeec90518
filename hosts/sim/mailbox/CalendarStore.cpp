#include "hosts/sim/mailbox/CalendarStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "hosts/sim/mailbox/CalendarComposer.h"
#include "hosts/sim/mailbox/CalendarDocument.h"
#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/CalendarLock.h"
#include "hosts/sim/mailbox/StoredComponent.h"

namespace qh::sim::mailbox {
namespace {

std::function<std::time_t()> clockOr(std::function<std::time_t()> clock) {
  if (clock) return clock;
  return [] { return std::time(nullptr); };
}

}  // namespace

CalendarStore::CalendarStore(std::string path, CalendarOptions options)
    : file_(std::move(path)),
      local_(options.zoneName.empty() ? LocalTime::systemZoneName() : options.zoneName),
      clock_(clockOr(std::move(options.clock))) {
  // Read only once the lock is held: what another holder wrote before is then in the file.
  if (options.lockWait)
    lock_ = std::make_unique<CalendarLock>(file_.path(), file_.target(), *options.lockWait);
  document_ = std::make_unique<CalendarDocument>(file_.path(), file_.read(), local_);
}

CalendarStore::~CalendarStore() = default;
CalendarStore::CalendarStore(CalendarStore&&) noexcept = default;
CalendarStore& CalendarStore::operator=(CalendarStore&&) noexcept = default;

std::vector<CalendarEntry> CalendarStore::entries() const {
  return document_->entries();
}

std::vector<ComponentHandle> CalendarStore::components() const {
  std::vector<ComponentHandle> times;
  times.reserve(document_->components().size());
  for (const auto& component : document_->components())
    if (component->isTime) times.push_back(component);
  return times;
}

const CalendarEntry& CalendarStore::asRead(const ComponentHandle& component) {
  return component->asRead;
}

const std::vector<std::string>& CalendarStore::warnings() const {
  return document_->warnings();
}

void CalendarStore::save(std::vector<CalendarEntry>& entries) {
  ComposedCalendar composed = CalendarComposer(*document_, local_, clock_()).compose(entries);
  auto text = std::make_shared<const std::string>(std::move(composed.text));
  std::unique_ptr<CalendarDocument> next;
  try {
    next = std::make_unique<CalendarDocument>(path(), text, local_);
  } catch (const CalendarError& e) {
    // Not expected: what this store writes, it reads. Better no file than one it cannot read.
    throw CalendarError(CalendarError::Kind::Write, path(), 0,
                        "the new text would not read back: " + e.reason());
  }
  const char* keptBecause = !file_.holds(document_->text()) ? "it changed on disk since it was read"
                            : !file_.writable()             ? "it is read-only"
                                                            : nullptr;
  if (keptBecause) {
    const std::string saved = file_.saveBeside(*text, clock_());
    throw CalendarError(CalendarError::Kind::Kept, path(), 0,
                        std::string(keptBecause) +
                            ", so it is left as it is; this session's calendar is saved as " +
                            saved)
        .savedAs(saved);
  }
  file_.replace(*text, document_->text(), [&](int fd) {
    if (lock_) lock_->moveTo(fd);
  });
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
