#pragma once

// What every loadable module of ours exports on Linux, where the simulated host loads it
// the way COM loads an in-process server: the counterparts of DllGetClassObject,
// DllRegisterServer and DllUnregisterServer. The host hands each call the operating
// system (the platform seam), as Windows hands a DLL its API.

namespace qh {
class Object;
namespace platform {
class System;
}
}  // namespace qh

#define QH_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
// Creates a new object of the class registered under progId, or answers null for a class the
// module does not serve. The object has no reference yet; the caller takes the first.
using QhCreateObjectFn = qh::Object* (*)(const char* progId, qh::platform::System* system);
// Writes (or removes) the module's registration for the current user; modulePath is the
// module's own file. Answers 0 on success.
using QhRegisterServerFn = int (*)(qh::platform::System* system, const char* modulePath);
using QhUnregisterServerFn = int (*)(qh::platform::System* system);
}

inline constexpr const char* kQhCreateObjectSymbol = "QhCreateObject";
inline constexpr const char* kQhRegisterServerSymbol = "QhRegisterServer";
inline constexpr const char* kQhUnregisterServerSymbol = "QhUnregisterServer";
