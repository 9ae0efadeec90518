#pragma once

#include <string>

#include "automation/Date.h"
#include "forms/Control.h"

namespace qh::forms {

// The common-controls date picker ("MSComCtl2.DTPicker"): a date and time Value kept within
// the days MinDate to MaxDate (times on MaxDate included).
//
// As with the real control, a Value set from code raises no event; only the user's choice
// raises Change. A value outside the range raises "Invalid property value" and leaves the
// picker as it was.
class DatePicker : public Control {
 public:
  DatePicker(std::string name, Rect rect, int tabIndex);

  const char* kind() const override { return "DTPicker"; }

  Date value() const { return value_; }
  void setValue(Date value);
  // Each changes only its own part of Value.
  void setHour(int hour);
  void setMinute(int minute);
  void setSecond(int second);

  Date minDate() const { return minDate_; }
  Date maxDate() const { return maxDate_; }
  // Whole days; a Value left outside the new range moves to its nearest end, keeping its
  // time of day. A MinDate after MaxDate (or the reverse) is an invalid value.
  void setMinDate(Date date);
  void setMaxDate(Date date);

  void onChange(ChangeHandler handler) { onChange_ = std::move(handler); }
  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }

  // The user picks a date (within the range, as the control offers no other).
  void pick(Date value);
  // The user clicks the control.
  void click();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<DatePicker>& table();
  void checkInRange(Date value) const;
  void setTimePart(int hour, int minute, int second);
  void keepValueInRange();

  // The control's own defaults: the widest range it supports.
  Date minDate_ = Date::fromParts(1601, 1, 1);
  Date maxDate_ = Date::fromParts(9999, 12, 31);
  Date value_;
  ChangeHandler onChange_;
  ClickHandler onClick_;
};

}  // namespace qh::forms
