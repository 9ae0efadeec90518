#pragma once

#include "automation/DispatchTable.h"
#include "automation/Object.h"
#include "platform/System.h"

namespace qh::win {

// An operating system reached by name: what a test host hands the add-in's DLL in place of
// Windows (see SystemProxy, its other end), so that the add-in inside the DLL sees the host's
// clock, locale, registry, message boxes and window system.
//
// Members, one per System function:
//   Now, TimeSeparator, AMDesignator, PMDesignator, ModuleFolder      (gets)
//   ShortDate(date), LongTime(date)                                  -> String
//   CompareText(a, b)                                                -> Int32 order
//   MessageBox(text, title, buttons, icon)                           -> Int32 answer
//   RegOpenKey(root, subKey, options, access, [out] key)             -> Int32 result
//   RegQueryValue(key, name, [out] type, [in, out] data, [in, out] size) -> Int32 result
//       data: Missing asks for the size only; otherwise the bytes written, as hexadecimal
//       size: in, the room for data; out, the value's size
//   RegCloseKey(key), RegSetValue(root, subKey, name, type, dataHex), RegDeleteTree(root, subKey)
//                                                                    -> Int32 result
//   FileExists(path) -> Bool; StartProgram(path, windowState); ShellOpen(target, show) -> Int32
//   FormLoaded(form), FormShown(form), FormHidden(form), FormUnloaded(form)
// Unsigned 32-bit numbers (roots, types, sizes, access masks) travel as Int32 with their bits,
// registry handles as Double. Failures of the system travel as its Error.
class SystemObject final : public Object {
 public:
  // The system must outlive the object.
  explicit SystemObject(platform::System& system);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<SystemObject>& table();

  platform::System& system_;
};

}  // namespace qh::win
