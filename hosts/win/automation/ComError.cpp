#include "hosts/win/automation/ComError.h"

#include <windows.h>

#include <cstdio>
#include <new>

#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

// The HRESULTs a late-bound caller has always turned into the runtime's own errors.
bool runtimeErrorFor(HRESULT hr, ErrorCode& code) {
  static const struct {
    HRESULT hr;
    ErrorCode code;
  } kTable[] = {
      {DISP_E_UNKNOWNNAME, ErrorCode::NotSupported},
      {DISP_E_MEMBERNOTFOUND, ErrorCode::NotSupported},
      {DISP_E_TYPEMISMATCH, ErrorCode::TypeMismatch},
      {DISP_E_OVERFLOW, ErrorCode::Overflow},
      {DISP_E_PARAMNOTOPTIONAL, ErrorCode::ArgumentNotOptional},
      {DISP_E_BADINDEX, ErrorCode::SubscriptOutOfRange},
  };
  for (const auto& row : kTable) {
    if (row.hr == hr) {
      code = row.code;
      return true;
    }
  }
  return false;
}

std::string trimmedMessage(std::wstring_view text) {
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.remove_suffix(1);
  return narrow(text);
}

Error errorFromExcepInfo(HRESULT hr, EXCEPINFO& info) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  const Bstr description = Bstr::adopt(info.bstrDescription);
  const Bstr source = Bstr::adopt(info.bstrSource);
  const Bstr helpFile = Bstr::adopt(info.bstrHelpFile);
  info.bstrDescription = info.bstrSource = info.bstrHelpFile = nullptr;
  const HRESULT scode = info.scode ? info.scode : hr;
  const std::int32_t code = info.wCode ? info.wCode : errorCodeOf(scode);
  if (!description.empty()) return Error(code, description.toUtf8());
  return Error(code, systemMessage(scode));
}

void describeInto(EXCEPINFO* info, HRESULT scode, const std::string& description) {
  if (!info) return;
  *info = EXCEPINFO{};
  info->scode = scode;
  info->bstrDescription = Bstr::fromUtf8(description).detach();
}

}  // namespace

Error errorFromHresult(HRESULT hr, EXCEPINFO* info) {
  if (hr == DISP_E_EXCEPTION && info) return errorFromExcepInfo(hr, *info);
  ErrorCode code;
  if (runtimeErrorFor(hr, code)) return Error(code);
  return Error(errorCodeOf(hr), systemMessage(hr));
}

void throwIfFailed(HRESULT hr) {
  if (FAILED(hr)) throw errorFromHresult(hr);
}

std::string systemMessage(HRESULT hr) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = length ? trimmedMessage({buffer, length}) : std::string();
  if (buffer) LocalFree(buffer);
  if (!text.empty()) return text;
  char fallback[40];
  std::snprintf(fallback, sizeof fallback, "Automation error 0x%08lX",
                static_cast<unsigned long>(hr));
  return fallback;
}

HRESULT hresultOf(const Error& error) noexcept {
  const std::int32_t code = error.code();
  if (code < 0) return static_cast<HRESULT>(code);
  if (code > 0 && code <= 0xFFFF) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, code);
  return E_FAIL;
}

std::int32_t errorCodeOf(HRESULT scode) noexcept {
  if (HRESULT_FACILITY(scode) == FACILITY_CONTROL) return HRESULT_CODE(scode);
  return static_cast<std::int32_t>(scode);
}

HRESULT hresultFromCurrentException(EXCEPINFO* info) noexcept {
  try {
    throw;
  } catch (const ComFailure& e) {
    return e.hresult();
  } catch (const Error& e) {
    try {
      describeInto(info, hresultOf(e), e.description());
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    return info ? DISP_E_EXCEPTION : hresultOf(e);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    try {
      describeInto(info, E_FAIL, e.what());
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    return info ? DISP_E_EXCEPTION : E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace qh::win
