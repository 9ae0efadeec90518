#include "hosts/win/automation/SinglePointContainer.h"

#include <olectl.h>

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ConnectionPointEnumerator.h"

namespace qh::win {

HRESULT enumerateSinglePoint(const ConnectionPointSource& point,
                             IEnumConnectionPoints** points) noexcept {
  try {
    if (!points) return E_POINTER;
    *points = ComPtr<IEnumConnectionPoints>(new ConnectionPointEnumerator({point()})).detach();
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

HRESULT findSinglePoint(REFIID asked, REFIID offered, const ConnectionPointSource& point,
                        IConnectionPoint** found) noexcept {
  try {
    if (!found) return E_POINTER;
    *found = nullptr;
    if (!IsEqualIID(asked, offered)) return CONNECT_E_NOCONNECTION;
    *found = point().detach();
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

}  // namespace qh::win
