// A date picker: the common controls' date and time picker with the model's range, showing
// the short date. The user's choice of a day is the model's pick (its Change); the time of
// day the model holds travels with the value.
#include "automation/Date.h"
#include "forms/DatePicker.h"
#include "hosts/win/platform/SystemTime.h"
#include "hosts/win/ui/ControlViews.h"

namespace qh::win {
namespace {

class DatePickerView final : public ControlView {
 public:
  DatePickerView(forms::DatePicker& model, ViewHost& host)
      : ControlView(model, host), picker_(model) {}

  bool tabStop() const override { return true; }
  LRESULT onNotify(const NMHDR& header) override {
    if (header.code == DTN_DATETIMECHANGE) {
      const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
      if (change.dwFlags == GDT_VALID) {
        const Date picked = dateOf(change.st);
        if (picked != picker_.value()) fromUser([this, picked] { chose(picked); });
      }
    }
    if (header.code == static_cast<UINT>(NM_SETFOCUS)) focusedByUser();
    return 0;
  }

 protected:
  WindowStyle windowStyle() const override {
    return {DATETIMEPICK_CLASSW, WS_TABSTOP | WS_GROUP | DTS_SHORTDATEFORMAT};
  }
  void push() override {
    if (range_.changes({picker_.minDate(), picker_.maxDate()})) {
      SYSTEMTIME range[2] = {systemTimeOf(picker_.minDate()),
                             systemTimeOf(picker_.maxDate().withTime(23, 59, 59))};
      send(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
      value_.forget();  // the window may have moved its value into the range
    }
    if (value_.changes(picker_.value())) {
      SYSTEMTIME value = systemTimeOf(picker_.value());
      send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    }
  }

 private:
  struct Range {
    Date min, max;
    bool operator==(const Range& o) const { return min == o.min && max == o.max; }
  };

  void chose(Date picked) {
    picker_.pick(picked);
    value_.changes(picker_.value());
  }

  forms::DatePicker& picker_;
  Shown<Range> range_;
  Shown<Date> value_;
};

}  // namespace

std::unique_ptr<ControlView> makeDatePickerView(forms::DatePicker& model, ViewHost& host) {
  return std::make_unique<DatePickerView>(model, host);
}

}  // namespace qh::win
