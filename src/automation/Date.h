#pragma once

#include <compare>

namespace qh {

// An OLE Automation date: days since 30 December 1899 as a double, local time, the fraction
// being the time of day. Before the epoch the fraction still counts forward from midnight
// (-1.25 is 29 December 1899, 06:00), as OLE defines it.
class Date {
 public:
  struct Parts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
  };

  constexpr Date() = default;
  constexpr explicit Date(double serial) : serial_(serial) {}

  static Date fromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
  static Date fromParts(const Parts& p) {
    return fromParts(p.year, p.month, p.day, p.hour, p.minute, p.second);
  }

  double serial() const { return serial_; }
  Parts parts() const;  // rounded to the nearest second
  int hour() const { return parts().hour; }
  int minute() const { return parts().minute; }
  int second() const { return parts().second; }
  int weekday() const;  // 1 = Sunday ... 7 = Saturday

  Date dateOnly() const;
  Date withTime(int hour, int minute, int second) const;
  Date addDays(int days) const;

  // Dates order by the moment they stand for; before the epoch the raw serial would not.
  friend std::partial_ordering operator<=>(const Date& a, const Date& b) {
    return a.linear() <=> b.linear();
  }
  friend bool operator==(const Date& a, const Date& b) { return a.linear() == b.linear(); }

 private:
  // Days as a continuous count: the fraction always runs forward from midnight.
  double linear() const {
    if (serial_ >= 0) return serial_;
    const double whole = static_cast<double>(static_cast<long long>(serial_));
    return whole - (serial_ - whole);
  }
  double serial_ = 0.0;
};

}  // namespace qh
