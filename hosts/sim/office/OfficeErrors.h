#pragma once

#include <string_view>

#include "automation/Error.h"

// The failures the simulated Office raises, with the codes and texts that Office and COM give
// for them on Windows, so that log lines read as they would there.
namespace qh::sim::office_errors {

// A bad argument, a name or index not in a collection: VB error 5, as Office raises it.
Error invalidArgument();
// A member of an object that was deleted, or whose window is gone (RPC_E_DISCONNECTED).
Error disconnected();
// A member that Office refuses in the object's present state, e.g. a docked pane's Height.
Error methodFailed(std::string_view member, std::string_view object);

// The activation failures of CoCreateInstance and LoadLibrary.
Error invalidClassString();  // CO_E_CLASSSTRING: the ProgID is not registered
Error classNotRegistered();  // REGDB_E_CLASSNOTREG: no InprocServer32 for the CLSID
Error moduleNotFound();      // ERROR_MOD_NOT_FOUND as an HRESULT
Error procedureNotFound();   // ERROR_PROC_NOT_FOUND as an HRESULT
Error classNotAvailable();   // CLASS_E_CLASSNOTAVAILABLE: the module does not serve it

}  // namespace qh::sim::office_errors
