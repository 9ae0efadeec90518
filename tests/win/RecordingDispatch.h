#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/win/CountingDispatch.h"

namespace qh::win::test {

// An IDispatch that stands for a host object with a fixed member table. It records each
// Invoke as it arrived (DISPID, flags, the argument types in rgvarg order, the named
// arguments), the locale of every name look-up and call, and lets the test answer it.
// References are counted, never freed.
class RecordingDispatch : public CountingDispatch {
 public:
  struct Call {
    DISPID id;
    WORD flags;
    std::vector<VARTYPE> types;  // rgvarg order: last argument first
    std::vector<DISPID> named;
  };
  using Handler = std::function<HRESULT(const Call& call, DISPPARAMS& params, VARIANT* result,
                                        EXCEPINFO* info)>;

  std::map<std::wstring, DISPID> members;  // compared as given: tests spell names as asked
  int nameLookups = 0;
  std::vector<Call> calls;
  std::vector<LCID> locales;  // of GetIDsOfNames and Invoke, in order
  Handler handler = [](const Call&, DISPPARAMS&, VARIANT*, EXCEPINFO*) { return S_OK; };

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID locale,
                                          DISPID* ids) noexcept override {
    ++nameLookups;
    locales.push_back(locale);
    auto it = members.find(names[0]);
    if (it == members.end()) {
      ids[0] = DISPID_UNKNOWN;
      return DISP_E_UNKNOWNNAME;
    }
    ids[0] = it->second;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT*) noexcept override {
    locales.push_back(locale);
    Call call{id, flags, {}, {}};
    for (UINT i = 0; i < params->cArgs; ++i) call.types.push_back(V_VT(&params->rgvarg[i]));
    for (UINT i = 0; i < params->cNamedArgs; ++i)
      call.named.push_back(params->rgdispidNamedArgs[i]);
    calls.push_back(call);
    return handler(call, *params, result, info);
  }
};

}  // namespace qh::win::test
