#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/mailbox/ContentLine.h"

namespace qh::sim::mailbox {

// Where a calendar file's VEVENTs sit in its text. The pieces cover the text without gap or
// overlap, so joining them gives the file back byte for byte; a VEVENT piece runs from its
// BEGIN line to the terminator of its END line.
class CalendarLayout {
 public:
  enum class PieceKind {
    Text,         // anything kept as it is: headers, time zones, other components
    Event,        // one VEVENT directly inside a VCALENDAR
    CalendarEnd,  // the END:VCALENDAR line; new components go before it
  };
  struct Piece {
    PieceKind kind;
    std::size_t begin, end;
    int line;      // of the piece's first line
    int calendar;  // which VCALENDAR of the file (0-based) holds it
  };

  // What a reader learns while the text is scanned, in the order of the text. depth counts the
  // components open around a line: 1 inside a VCALENDAR, 2 inside one of its components.
  class Observer {
   public:
    virtual ~Observer() = default;
    // A line that is no BEGIN or END; component is the innermost one's name in upper case.
    virtual void property(const LogicalLine& line, int depth, std::string_view component) = 0;
    virtual void begin(const LogicalLine& line, int depth, std::string_view component) = 0;
    // For the end of a VEVENT piece, piece is that piece; otherwise null.
    virtual void end(const LogicalLine& line, int depth, std::string_view component,
                     const Piece* piece) = 0;
  };

  // Throws CalendarError (Format) naming path and line when the text is not a sequence of
  // well-nested VCALENDARs. One pass over the text, linear in its size.
  static CalendarLayout scan(std::string_view text, const std::string& path,
                             Observer* observer = nullptr);

  const std::vector<Piece>& pieces() const { return pieces_; }
  int calendarCount() const { return calendarCount_; }
  // The file's own line terminator, which written lines follow ("\r\n" unless it uses "\n").
  const std::string& lineEnding() const { return lineEnding_; }

 private:
  std::vector<Piece> pieces_;
  int calendarCount_ = 0;
  std::string lineEnding_ = "\r\n";
};

}  // namespace qh::sim::mailbox
