#include "hosts/sim/office/OfficeErrors.h"

#include <cstdint>
#include <string>

namespace qh::sim::office_errors {
namespace {

Error hresult(std::uint32_t code, const char* text) {
  return Error(static_cast<std::int32_t>(code), text);
}

}  // namespace

Error invalidArgument() {
  return Error(ErrorCode::InvalidCall);
}

Error disconnected() {
  return hresult(0x80010108u, "The object invoked has disconnected from its clients.");
}

Error methodFailed(std::string_view member, std::string_view object) {
  return Error(
      static_cast<std::int32_t>(0x80004005u),
      "Method '" + std::string(member) + "' of object '" + std::string(object) + "' failed");
}

Error invalidClassString() {
  return hresult(0x800401F3u, "Invalid class string");
}

Error classNotRegistered() {
  return hresult(0x80040154u, "Class not registered");
}

Error moduleNotFound() {
  return hresult(0x8007007Eu, "The specified module could not be found.");
}

Error procedureNotFound() {
  return hresult(0x8007007Fu, "The specified procedure could not be found.");
}

Error classNotAvailable() {
  return hresult(0x80040111u, "ClassFactory cannot supply requested class");
}

}  // namespace qh::sim::office_errors
