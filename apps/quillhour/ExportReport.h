#pragma once

#include "apps/quillhour/Output.h"
#include "apps/quillhour/WorkbookSummary.h"

namespace qh::app {

// Reports an export from its workbook: how many Times, the total hours and the hours per tag,
// then where the workbook is. inMinutes: the durations were exported in minutes.
//   exported 3 Times, 4.5 hours
//     Atlas    3 hours (2 Times)
//     Support  1.5 hours (1 Time)
//   workbook: /home/me/Quillhour1.xlsx
void printExport(Output& output, const WorkbookSummary& summary, bool inMinutes);

}  // namespace qh::app
