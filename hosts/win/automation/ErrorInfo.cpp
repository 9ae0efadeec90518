#include "hosts/win/automation/ErrorInfo.h"

#include <oaidl.h>

#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComPtr.h"

namespace qh::win {
namespace {

void setErrorInfo(REFIID iid, const EXCEPINFO& info) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.put()))) return;
  create->SetGUID(iid);
  create->SetDescription(info.bstrDescription);
  if (info.bstrSource) create->SetSource(info.bstrSource);
  if (const auto errorInfo = create.as<IErrorInfo>()) SetErrorInfo(0, errorInfo.get());
}

bool supportsErrorInfo(IUnknown* callee, REFIID iid) {
  if (!callee) return false;
  ComPtr<ISupportErrorInfo> support;
  if (FAILED(callee->QueryInterface(IID_ISupportErrorInfo, support.putVoid())) || !support)
    return false;
  return support->InterfaceSupportsErrorInfo(iid) == S_OK;
}

}  // namespace

HRESULT reportCurrentException(REFIID iid) noexcept {
  EXCEPINFO info{};
  const HRESULT hr = hresultFromCurrentException(&info);
  if (hr != DISP_E_EXCEPTION) return hr;  // a protocol answer carries no description
  try {
    setErrorInfo(iid, info);
  } catch (...) {
  }
  const HRESULT scode = info.scode;
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
  return FAILED(scode) ? scode : E_FAIL;
}

Error errorFromFailedCall(HRESULT hr, IUnknown* callee, REFIID iid) {
  ComPtr<IErrorInfo> errorInfo;
  const bool found = GetErrorInfo(0, errorInfo.put()) == S_OK && errorInfo;
  if (!found || !supportsErrorInfo(callee, iid)) return errorFromHresult(hr);
  Bstr description;
  errorInfo->GetDescription(description.put());
  if (description.empty()) return errorFromHresult(hr);
  return Error(errorCodeOf(hr), description.toUtf8());
}

}  // namespace qh::win
