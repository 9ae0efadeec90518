#pragma once

#include <windows.h>

#include <ole2.h>

#include <cstdint>
#include <string>

#include "automation/Error.h"

namespace qh::win {

// How failures cross the COM edge. Inside the binding they are qh::Error exceptions, as
// everywhere in the add-in; at the edge they become an HRESULT with an EXCEPINFO, and on
// the way back in an HRESULT with an EXCEPINFO becomes a qh::Error again, so a log line shows
// the same description whichever side raised it.

// A failure that is only an HRESULT (a COM protocol answer such as DISP_E_MEMBERNOTFOUND),
// for the binding's own methods to throw and the funnel below to return as it is.
class ComFailure : public std::exception {
 public:
  explicit ComFailure(HRESULT hr) noexcept : hr_(hr) {}
  HRESULT hresult() const noexcept { return hr_; }
  const char* what() const noexcept override { return "COM failure"; }

 private:
  HRESULT hr_;
};

// The error a failed call raises. For DISP_E_EXCEPTION the EXCEPINFO is completed (its
// deferred fill-in called), read and freed; its description is used, or the system's text for
// its scode when it has none. The failures that late-bound callers have always reported with
// their own numbers (an unknown member, a type mismatch, ...) become those errors.
Error errorFromHresult(HRESULT hr, EXCEPINFO* info = nullptr);

// Raises errorFromHresult(hr) when hr is a failure.
void throwIfFailed(HRESULT hr);

// The system's message for an HRESULT (FormatMessage), without the trailing line break, or
// "Automation error 0x80004005" when the system has none.
std::string systemMessage(HRESULT hr);

// The HRESULT an Error travels as: automation error numbers (1..65535) in FACILITY_CONTROL,
// as Visual Basic raises them; codes that are HRESULTs already as they are.
HRESULT hresultOf(const Error& error) noexcept;
// The reverse: the error number a received scode stands for.
std::int32_t errorCodeOf(HRESULT scode) noexcept;

// The one catch of every method COM calls into: call it inside `catch (...)`. Answers the
// HRESULT for the exception in flight; an Error or other exception is described in info (when
// the caller gave one) and answered as DISP_E_EXCEPTION.
HRESULT hresultFromCurrentException(EXCEPINFO* info = nullptr) noexcept;

}  // namespace qh::win
