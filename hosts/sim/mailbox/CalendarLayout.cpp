#include "hosts/sim/mailbox/CalendarLayout.h"

#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/ContentLine.h"
#include "hosts/sim/mailbox/IcsText.h"

namespace qh::sim::mailbox {
namespace {

struct OpenComponent {
  std::string name;
  int line;
  std::size_t begin;
};

class Scanner {
 public:
  Scanner(std::string_view text, const std::string& path) : text_(text), path_(path) {}

  CalendarLayout::Piece piece(CalendarLayout::PieceKind kind, std::size_t end, int line) {
    CalendarLayout::Piece p{kind, cursor_, end, line, calendar_};
    cursor_ = end;
    return p;
  }

  [[noreturn]] void fail(int line, const std::string& reason) const {
    throw CalendarError(CalendarError::Kind::Format, path_, line, reason);
  }

  void begin(const ContentLine& line, std::vector<CalendarLayout::Piece>& pieces) {
    const std::string name = toUpperAscii(line.value);
    if (open_.empty() && name != "VCALENDAR")
      fail(line.lineNumber, "not an iCalendar file (BEGIN:VCALENDAR expected)");
    if (open_.size() == 1 && name == "VEVENT" && cursor_ < line.begin)
      pieces.push_back(piece(CalendarLayout::PieceKind::Text, line.begin, textLine_));
    open_.push_back({name, line.lineNumber, line.begin});
  }

  // Answers the VEVENT piece the line closes, if it closes one.
  const CalendarLayout::Piece* end(const ContentLine& line,
                                   std::vector<CalendarLayout::Piece>& pieces) {
    const std::string name = toUpperAscii(line.value);
    if (open_.empty()) fail(line.lineNumber, "END:" + line.value + " without BEGIN");
    const OpenComponent top = open_.back();
    if (top.name != name)
      fail(line.lineNumber, "END:" + line.value + " does not close BEGIN:" + top.name +
                                " of line " + std::to_string(top.line));
    open_.pop_back();
    if (open_.size() == 1 && name == "VEVENT") {
      pieces.push_back(piece(CalendarLayout::PieceKind::Event, line.end, top.line));
      textLine_ = line.lineNumber + 1;
      return &pieces.back();
    } else if (open_.empty()) {
      if (cursor_ < line.begin)
        pieces.push_back(piece(CalendarLayout::PieceKind::Text, line.begin, textLine_));
      pieces.push_back(piece(CalendarLayout::PieceKind::CalendarEnd, line.end, line.lineNumber));
      textLine_ = line.lineNumber + 1;
      ++calendar_;
    }
    return nullptr;
  }

  CalendarLayout::Piece tail() {
    return piece(CalendarLayout::PieceKind::Text, text_.size(), textLine_);
  }
  bool atEnd() const { return cursor_ == text_.size(); }
  bool outside() const { return open_.empty(); }
  int depth() const { return static_cast<int>(open_.size()); }
  const OpenComponent& innermost() const { return open_.back(); }
  int calendars() const { return calendar_; }

 private:
  std::string_view text_;
  const std::string& path_;
  std::vector<OpenComponent> open_;
  std::size_t cursor_ = 0;
  int textLine_ = 1;
  int calendar_ = 0;
};

std::string lineEndingOf(std::string_view text) {
  const auto newline = text.find('\n');
  if (newline == std::string_view::npos && text.find('\r') != std::string_view::npos) return "\r";
  if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

}  // namespace

CalendarLayout CalendarLayout::scan(std::string_view text, const std::string& path,
                                    Observer* observer) {
  CalendarLayout layout;
  Scanner scanner(text, path);
  // Only BEGIN and END lines matter here; the others are not parsed, only shown to the observer.
  forEachLogicalLine(text, 1, [&](const LogicalLine& line) {
    if (hasName(line.content, "BEGIN")) {
      scanner.begin(parseContentLine(line), layout.pieces_);
      if (observer) observer->begin(line, scanner.depth(), scanner.innermost().name);
    } else if (hasName(line.content, "END")) {
      const ContentLine parsed = parseContentLine(line);
      const std::string name = toUpperAscii(parsed.value);
      const Piece* event = scanner.end(parsed, layout.pieces_);
      if (observer) observer->end(line, scanner.depth() + 1, name, event);
    } else if (scanner.outside()) {
      if (!parseContentLine(line).isBlank())
        scanner.fail(line.lineNumber, "not an iCalendar file (BEGIN:VCALENDAR expected)");
    } else if (observer) {
      observer->property(line, scanner.depth(), scanner.innermost().name);
    }
  });
  if (!scanner.outside())
    scanner.fail(scanner.innermost().line,
                 "BEGIN:" + scanner.innermost().name + " is never closed");
  if (scanner.calendars() == 0) scanner.fail(0, "not an iCalendar file (no VCALENDAR in it)");
  if (!scanner.atEnd()) layout.pieces_.push_back(scanner.tail());
  layout.calendarCount_ = scanner.calendars();
  layout.lineEnding_ = lineEndingOf(text);
  return layout;
}

}  // namespace qh::sim::mailbox
