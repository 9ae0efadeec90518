#pragma once

#include <windows.h>

#include <ole2.h>

#include "automation/Error.h"

namespace qh::win {

// Failures of calls through a vtable (a dual interface called early-bound, as Office calls an
// add-in's connection events). Such a call answers only an HRESULT; its description travels
// in the thread's error info (SetErrorInfo), which a caller reads when the callee says, through
// ISupportErrorInfo, that the interface supports it.

// The one catch of every vtable method of the binding's COM classes: call it inside
// `catch (...)`. Answers the HRESULT for the exception in flight and leaves its description
// as the thread's error info, naming the interface that failed.
HRESULT reportCurrentException(REFIID iid) noexcept;

// The caller's side: the error a failed call of callee's interface iid raises. The error
// info's description when the callee supports error info on the interface and left one, or
// else as errorFromHresult. The error info is consumed.
Error errorFromFailedCall(HRESULT hr, IUnknown* callee, REFIID iid);

}  // namespace qh::win
