#include "automation/Error.h"

namespace qh {

Error::Error(std::int32_t code, std::string description)
    : code_(code), description_(std::move(description)) {}

Error::Error(ErrorCode code) : Error(static_cast<std::int32_t>(code), describe(code)) {}

const char* Error::describe(ErrorCode code) noexcept {
  switch (code) {
    case ErrorCode::InvalidCall:
      return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
      return "Overflow";
    case ErrorCode::SubscriptOutOfRange:
      return "Subscript out of range";
    case ErrorCode::TypeMismatch:
      return "Type mismatch";
    case ErrorCode::FileNotFound:
      return "File not found";
    case ErrorCode::ObjectNotSet:
      return "Object variable not set";
    case ErrorCode::InvalidUseOfNull:
      return "Invalid use of Null";
    case ErrorCode::InvalidPropertyValue:
      return "Invalid property value";
    case ErrorCode::NotSupported:
      return "Object doesn't support this property or method";
    case ErrorCode::ArgumentNotOptional:
      return "Argument not optional";
    case ErrorCode::ActionNotSupported:
      return "Object doesn't support this action";
  }
  return "Application-defined or object-defined error";
}

std::string describeCurrentException() {
  try {
    throw;
  } catch (const Error& e) {
    return e.description();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace qh
