#pragma once

#include <windows.h>

#include "automation/Date.h"

namespace qh::win {

// An OLE date as Windows' SYSTEMTIME, to the second, and back.
SYSTEMTIME systemTimeOf(Date d);
Date dateOf(const SYSTEMTIME& st);

}  // namespace qh::win
