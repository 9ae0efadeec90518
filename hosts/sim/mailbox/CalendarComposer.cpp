#include "hosts/sim/mailbox/CalendarComposer.h"

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/EventEdits.h"
#include "hosts/sim/mailbox/EventPatcher.h"
#include "hosts/sim/mailbox/IcsText.h"

namespace qh::sim::mailbox {
namespace {

std::string newUid() {
  std::random_device random;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%08x%08x%08x%08x@quillhour", random(), random(), random(),
                random());
  return buffer;
}

std::string utcStamp(std::time_t now) {
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%dT%H%M%SZ", &utc);
  return buffer;
}

std::string withLineEnding(std::string_view crlfText, const std::string& lineEnding) {
  if (lineEnding == "\r\n") return std::string(crlfText);
  std::string out;
  for (std::size_t i = 0; i < crlfText.size(); ++i) {
    if (crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n') {
      out += lineEnding;
      ++i;
    } else {
      out += crlfText[i];
    }
  }
  return out;
}

std::string nameOf(const CalendarEntry& entry) {
  return "entry '" + (entry.key.empty() ? entry.subject : entry.key) + "'";
}

}  // namespace

// One run of compose: the texts of all components first (they tell which calendars need the
// local zone), then the file, piece by piece.
class CalendarComposer::Composition {
 public:
  Composition(const CalendarComposer& c, const std::vector<CalendarEntry>& entries)
      : doc_(c.document_),
        local_(c.local_),
        now_(c.now_),
        entries_(entries),
        eol_(doc_.layout().lineEnding()),
        needsZone_(static_cast<std::size_t>(doc_.layout().calendarCount()), false) {}

  ComposedCalendar run() {
    matchEntries();
    texts_.reserve(doc_.components().size());
    for (const auto& component : doc_.components()) texts_.push_back(textOf(*component));
    out_.text.reserve(doc_.text().size() + doc_.text().size() / 16);
    for (std::size_t i = 0; i < entries_.size(); ++i)
      if (!entries_[i].component) created_.push_back({i, newText(entries_[i])});
    emit();
    return std::move(out_);
  }

 private:
  [[noreturn]] void fail(const std::string& reason) const {
    throw CalendarError(CalendarError::Kind::Write, doc_.path(), 0, reason);
  }

  void matchEntries() {
    for (const auto& component : doc_.components()) inDocument_.insert(component.get());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const StoredComponent* stored = entries_[i].component.get();
      if (!stored) continue;
      if (!inDocument_.count(stored))
        fail(nameOf(entries_[i]) + " is not in this calendar (deleted, or read from another file)");
      if (!entryOf_.emplace(stored, i).second) fail(nameOf(entries_[i]) + " is given twice");
    }
  }

  EventChange changeOf(const CalendarEntry* before, const CalendarEntry& after,
                       std::string_view text, int calendar) {
    try {
      EventChange change = changeFor(before, after, text, doc_.calendar(calendar), local_);
      if (change.usesLocalZone) needsZone_[static_cast<std::size_t>(calendar)] = true;
      return change;
    } catch (const std::exception& e) {
      fail(nameOf(after) + ": " + e.what());
    }
  }

  // What becomes of a component: left out (deleted), kept byte for byte, or patched.
  struct NewText {
    bool kept = false;
    std::optional<std::string> patched;
    bool present() const { return kept || patched; }
  };

  NewText textOf(const StoredComponent& stored) {
    if (!stored.isTime) return {true, {}};  // no appointment: kept as it is
    const auto entry = entryOf_.find(&stored);
    if (entry == entryOf_.end()) return {};  // deleted
    const EventChange change =
        changeOf(&stored.asRead, entries_[entry->second], stored.text(), stored.calendar);
    if (change.edits.empty()) return {true, {}};
    return {false, patchEvent(stored.text(), change.edits, eol_)};
  }

  std::string newText(const CalendarEntry& entry) {
    const std::string skeleton =
        "BEGIN:VEVENT" + eol_ +
        foldLine("UID:" + (entry.key.empty() ? newUid() : entry.key), eol_) +
        "DTSTAMP:" + utcStamp(now_) + eol_ + "END:VEVENT" + eol_;
    return patchEvent(skeleton, changeOf(nullptr, entry, skeleton, 0).edits, eol_);
  }

  void zoneIfNeeded(int calendar) {
    const auto c = static_cast<std::size_t>(calendar);
    if (!needsZone_[c]) return;
    needsZone_[c] = false;
    if (icalcomponent_get_timezone(doc_.calendar(calendar), local_.zoneName().c_str())) return;
    out_.text += withLineEnding(local_.definition(), eol_);
  }

  void emit() {
    std::size_t event = 0;
    const std::string& text = doc_.text();
    for (const auto& piece : doc_.layout().pieces()) {
      const std::string_view bytes =
          std::string_view(text).substr(piece.begin, piece.end - piece.begin);
      switch (piece.kind) {
        case CalendarLayout::PieceKind::Text:
          out_.text += bytes;
          break;
        case CalendarLayout::PieceKind::Event:
          zoneIfNeeded(piece.calendar);
          if (const NewText& t = texts_[event]; t.present()) {
            out_.text += t.kept ? doc_.components()[event]->text() : std::string_view(*t.patched);
            out_.sources.push_back({doc_.components()[event], 0});
          }
          ++event;
          break;
        case CalendarLayout::PieceKind::CalendarEnd:
          zoneIfNeeded(piece.calendar);
          if (piece.calendar == 0) emitCreated();
          out_.text += bytes;
          break;
      }
    }
  }

  void emitCreated() {
    for (const auto& [index, text] : created_) {
      out_.text += text;
      out_.sources.push_back({nullptr, index});
    }
  }

  const CalendarDocument& doc_;
  const LocalTime& local_;
  std::time_t now_;
  const std::vector<CalendarEntry>& entries_;
  const std::string& eol_;
  std::vector<bool> needsZone_;
  std::set<const StoredComponent*> inDocument_;
  std::map<const StoredComponent*, std::size_t> entryOf_;
  std::vector<NewText> texts_;
  std::vector<std::pair<std::size_t, std::string>> created_;
  ComposedCalendar out_;
};

CalendarComposer::CalendarComposer(const CalendarDocument& document, const LocalTime& local,
                                   std::time_t now)
    : document_(document), local_(local), now_(now) {}

ComposedCalendar CalendarComposer::compose(const std::vector<CalendarEntry>& entries) const {
  return Composition(*this, entries).run();
}

}  // namespace qh::sim::mailbox
