#include "forms/DatePicker.h"

namespace qh::forms {
namespace {

void checkPart(int value, int limit) {
  if (value < 0 || value > limit) throw Error(ErrorCode::InvalidPropertyValue);
}

}  // namespace

DatePicker::DatePicker(std::string name, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex) {}

void DatePicker::checkInRange(Date value) const {
  const Date day = value.dateOnly();
  if (day < minDate_ || day > maxDate_) throw Error(ErrorCode::InvalidPropertyValue);
}

void DatePicker::setValue(Date value) {
  checkInRange(value);
  value_ = value;
  changed();
}

void DatePicker::setTimePart(int hour, int minute, int second) {
  value_ = value_.withTime(hour, minute, second);
  changed();
}

void DatePicker::setHour(int hour) {
  checkPart(hour, 23);
  setTimePart(hour, value_.minute(), value_.second());
}

void DatePicker::setMinute(int minute) {
  checkPart(minute, 59);
  setTimePart(value_.hour(), minute, value_.second());
}

void DatePicker::setSecond(int second) {
  checkPart(second, 59);
  setTimePart(value_.hour(), value_.minute(), second);
}

void DatePicker::setMinDate(Date date) {
  const Date day = date.dateOnly();
  if (day > maxDate_) throw Error(ErrorCode::InvalidPropertyValue);
  minDate_ = day;
  keepValueInRange();
  changed();
}

void DatePicker::setMaxDate(Date date) {
  const Date day = date.dateOnly();
  if (day < minDate_) throw Error(ErrorCode::InvalidPropertyValue);
  maxDate_ = day;
  keepValueInRange();
  changed();
}

void DatePicker::keepValueInRange() {
  const Date day = value_.dateOnly();
  const Date kept = day < minDate_ ? minDate_ : day > maxDate_ ? maxDate_ : day;
  if (kept != day) value_ = kept.withTime(value_.hour(), value_.minute(), value_.second());
}

void DatePicker::pick(Date value) {
  if (!enabled()) return;
  setValue(value);
  runHandler(onChange_);
}

void DatePicker::click() {
  if (enabled()) runHandler(onClick_);
}

const DispatchTable<DatePicker>& DatePicker::table() {
  static const DispatchTable<DatePicker> t = [] {
    DispatchTable<DatePicker> d;
    for (const char* name : {"Value", ""}) {
      d.get(name, [](DatePicker& p, Args&) { return Variant(p.value_); });
      d.put(name, [](DatePicker& p, Args& a) {
        p.setValue(putValue(a).toDate());
        return Variant();
      });
    }
    d.get("Hour", [](DatePicker& p, Args&) { return Variant(p.value_.hour()); });
    d.put("Hour", [](DatePicker& p, Args& a) {
      p.setHour(putValue(a).toInt32());
      return Variant();
    });
    d.get("Minute", [](DatePicker& p, Args&) { return Variant(p.value_.minute()); });
    d.put("Minute", [](DatePicker& p, Args& a) {
      p.setMinute(putValue(a).toInt32());
      return Variant();
    });
    d.get("Second", [](DatePicker& p, Args&) { return Variant(p.value_.second()); });
    d.put("Second", [](DatePicker& p, Args& a) {
      p.setSecond(putValue(a).toInt32());
      return Variant();
    });
    d.get("MinDate", [](DatePicker& p, Args&) { return Variant(p.minDate_); });
    d.put("MinDate", [](DatePicker& p, Args& a) {
      p.setMinDate(putValue(a).toDate());
      return Variant();
    });
    d.get("MaxDate", [](DatePicker& p, Args&) { return Variant(p.maxDate_); });
    d.put("MaxDate", [](DatePicker& p, Args& a) {
      p.setMaxDate(putValue(a).toDate());
      return Variant();
    });
    // The user's actions, for a host or a script that drives the dialog by name.
    d.method("Pick", [](DatePicker& p, Args& a) {
      p.pick(requiredArg(a, 0).toDate());
      return Variant();
    });
    d.method("Click", [](DatePicker& p, Args&) {
      p.click();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant DatePicker::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
