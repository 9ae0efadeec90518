#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Object.h"

namespace qh::sim::outlook {

class Item;

// A Jet filter as Items.Find and Items.Restrict take it: conditions "[Property] op value"
// joined by And, op one of = <> < <= > >=, the value quoted with ' or " (a doubled quote
// stands for itself), or a bare number, True or False. Text compares without regard to case,
// as Outlook's filters do; a date property reads its value in the system's short-date format
// (with an optional time), through the parser the host gives. Values are read from the
// item's stored fields, as Outlook's store evaluates a filter, not through its members.
//
// A filter that cannot be parsed raises "Cannot parse condition. Error at ..." when made; an
// item that lacks a property simply does not match.
class ItemFilter {
 public:
  using DateParser = std::function<std::optional<Date>(std::string_view)>;

  static ItemFilter parse(std::string_view text, DateParser parseDate);
  bool matches(const Item& item) const;

 private:
  enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
  struct Condition {
    std::string property;
    Op op;
    std::string value;
    // The value read as a date, once a date property was compared with it.
    mutable std::optional<Date> date;
  };

  bool holds(const Condition& c, const Variant& actual) const;

  std::vector<Condition> conditions_;
  DateParser parseDate_;
};

}  // namespace qh::sim::outlook
