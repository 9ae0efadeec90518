#include "hosts/win/platform/SystemTime.h"

namespace qh::win {

SYSTEMTIME systemTimeOf(Date d) {
  const Date::Parts p = d.parts();
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(p.year);
  st.wMonth = static_cast<WORD>(p.month);
  st.wDayOfWeek = static_cast<WORD>(d.weekday() - 1);
  st.wDay = static_cast<WORD>(p.day);
  st.wHour = static_cast<WORD>(p.hour);
  st.wMinute = static_cast<WORD>(p.minute);
  st.wSecond = static_cast<WORD>(p.second);
  return st;
}

Date dateOf(const SYSTEMTIME& st) {
  return Date::fromParts(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

}  // namespace qh::win
