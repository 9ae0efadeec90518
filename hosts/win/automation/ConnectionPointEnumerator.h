#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include <vector>

#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"

namespace qh::win {

// IEnumConnectionPoints over a fixed list of connection points.
class ConnectionPointEnumerator final : public ComObject<IEnumConnectionPoints> {
 public:
  explicit ConnectionPointEnumerator(std::vector<ComPtr<IConnectionPoint>> points,
                                     size_t position = 0);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points,
                                 ULONG* fetched) noexcept override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override;
  HRESULT STDMETHODCALLTYPE Reset() noexcept override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) noexcept override;

 private:
  std::vector<ComPtr<IConnectionPoint>> points_;
  size_t position_;
};

}  // namespace qh::win
