#pragma once

#include <windows.h>

#include <oaidl.h>

#include <optional>
#include <string>

#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/DispIdTable.h"

namespace qh::win {

// The names and DISPIDs of one dual interface, as its type information declares them. An open
// interface also answers names it does not declare (members its object has beyond the
// interface), numbering them from kUndeclared + 1 upward, clear of Office's small DISPIDs and
// of VB's 0x60030000 and up.
class MemberNames {
 public:
  static constexpr DISPID kUndeclared = 0x10000;

  MemberNames(ComPtr<ITypeInfo> typeInfo, bool open);

  ITypeInfo* typeInfo() const noexcept { return typeInfo_.get(); }
  // GetIDsOfNames: the member's DISPID; named arguments are not taken.
  HRESULT idsOf(LPOLESTR* names, UINT count, DISPID* ids);
  // The member a DISPID stands for, or nothing.
  std::optional<std::string> nameOf(DISPID id) const;

 private:
  ComPtr<ITypeInfo> typeInfo_;
  bool open_;
  DispIdTable others_;
};

}  // namespace qh::win
