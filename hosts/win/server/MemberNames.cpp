#include "hosts/win/server/MemberNames.h"

#include <oleauto.h>

#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {

MemberNames::MemberNames(ComPtr<ITypeInfo> typeInfo, bool open)
    : typeInfo_(std::move(typeInfo)), open_(open) {}

HRESULT MemberNames::idsOf(LPOLESTR* names, UINT count, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  if (count == 0) return S_OK;
  HRESULT hr = DispGetIDsOfNames(typeInfo_.get(), names, 1, ids);
  if (hr == DISP_E_UNKNOWNNAME && open_) {
    const DISPID other = others_.idOf(narrow(names[0] ? names[0] : L""));
    ids[0] = other == DISPID_VALUE ? other : kUndeclared + other;
    hr = S_OK;
  }
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return FAILED(hr) ? hr : count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

std::optional<std::string> MemberNames::nameOf(DISPID id) const {
  Bstr name;
  UINT found = 0;
  if (SUCCEEDED(typeInfo_->GetNames(id, name.put(), 1, &found)) && found == 1) return name.toUtf8();
  if (!open_) return std::nullopt;
  if (id == DISPID_VALUE) return others_.nameOf(id);
  return id > kUndeclared ? others_.nameOf(id - kUndeclared) : std::nullopt;
}

}  // namespace qh::win
