#include "hosts/sim/excel/ExcelErrors.h"

namespace qh::sim {

Error excelError(std::string description) {
  return Error(kExcelErrorCode, std::move(description));
}

Error methodFailed(std::string_view method, std::string_view className) {
  return excelError(std::string(method) + " method of " + std::string(className) + " class failed");
}

Error unableToSet(std::string_view property, std::string_view className) {
  return excelError("Unable to set the " + std::string(property) + " property of the " +
                    std::string(className) + " class");
}

Error unableToGet(std::string_view property, std::string_view className) {
  return excelError("Unable to get the " + std::string(property) + " property of the " +
                    std::string(className) + " class");
}

Error subscriptOutOfRange() {
  return Error(kBadIndexCode, "Subscript out of range");
}

Error objectDefinedError() {
  return excelError("Application-defined or object-defined error");
}

}  // namespace qh::sim
