#pragma once

#include <string>
#include <vector>

#include "automation/Object.h"

namespace qh::sim {

// The workbook steps an export makes, driven through automation exactly as the add-in calls
// Excel, so that tests exercise the simulated Excel the way the add-in will.
struct TimeRow {
  Date start;
  std::string subject;
  double hours = 0;
  std::string tag;
};

// Cells(r, 3..6) of the active sheet, from row 4 on; answers the last row written (3 when
// there are no rows).
int writeRows(Object& excel, const std::vector<TimeRow>& rows);
// The pivot table and chart steps, in the add-in's order, for rows 4..lastRow.
void buildPivotAndChart(Object& excel, Object& workbook, int lastRow);

// The full path of the installed template, written with "\" before the file name as the
// add-in joins it.
std::string templateArgument();

// A failing call's error, for checking code and description.
template <class F>
Error errorOf(F&& call) {
  try {
    call();
  } catch (const Error& e) {
    return e;
  }
  return Error(0, "no error");
}

}  // namespace qh::sim
