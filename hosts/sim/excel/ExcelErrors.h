#pragma once

#include <string>
#include <string_view>

#include "automation/Error.h"

namespace qh::sim {

// The failures the simulated Excel raises, worded and numbered as Excel's own: most are
// run-time error 1004 (HRESULT 0x800A03EC) with a description naming the member and class.
inline constexpr std::int32_t kExcelErrorCode = static_cast<std::int32_t>(0x800A03ECu);
inline constexpr std::int32_t kBadIndexCode = static_cast<std::int32_t>(0x8002000Bu);

Error excelError(std::string description);
// "Select method of Range class failed"
Error methodFailed(std::string_view method, std::string_view className);
// "Unable to set the Hidden property of the Range class"
Error unableToSet(std::string_view property, std::string_view className);
// "Unable to get the PivotTables property of the Worksheet class"
Error unableToGet(std::string_view property, std::string_view className);
// A collection index or name that names no member.
Error subscriptOutOfRange();
// A row or column outside the sheet.
Error objectDefinedError();

}  // namespace qh::sim
