#pragma once

#include <windows.h>

#include <ocidl.h>

#include <functional>

#include "hosts/win/automation/ComPtr.h"

namespace qh::win {

// IConnectionPointContainer's two methods for an object with one connection point, which
// point() makes, for the event interface `offered`.
using ConnectionPointSource = std::function<ComPtr<IConnectionPoint>()>;

HRESULT enumerateSinglePoint(const ConnectionPointSource& point,
                             IEnumConnectionPoints** points) noexcept;
HRESULT findSinglePoint(REFIID asked, REFIID offered, const ConnectionPointSource& point,
                        IConnectionPoint** found) noexcept;

}  // namespace qh::win
