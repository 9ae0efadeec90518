#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace qh {

// Error numbers of the automation runtime that the add-in raises itself. Each has one fixed
// description (see Error.cpp), so a log line reads the same wherever the error arose.
enum class ErrorCode : std::int32_t {
  InvalidCall = 5,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  TypeMismatch = 13,
  FileNotFound = 53,
  ObjectNotSet = 91,
  InvalidUseOfNull = 94,
  InvalidPropertyValue = 380,
  NotSupported = 438,
  ArgumentNotOptional = 449,
  ActionNotSupported = 445,
};

// An automation failure: a numeric code and the description that log lines show. Host
// objects raise it with their own code and description (on Windows, the HRESULT and the
// EXCEPINFO text); the add-in raises the fixed ones above.
class Error : public std::exception {
 public:
  Error(std::int32_t code, std::string description);
  explicit Error(ErrorCode code);

  std::int32_t code() const noexcept { return code_; }
  const std::string& description() const noexcept { return description_; }
  const char* what() const noexcept override { return description_.c_str(); }

  static const char* describe(ErrorCode code) noexcept;

 private:
  std::int32_t code_;
  std::string description_;
};

// The description a log line shows for any exception that reached a handler.
std::string describeCurrentException();

}  // namespace qh
