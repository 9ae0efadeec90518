#include "hosts/win/automation/ConnectionPointEnumerator.h"

#include "hosts/win/automation/ComError.h"

namespace qh::win {

ConnectionPointEnumerator::ConnectionPointEnumerator(std::vector<ComPtr<IConnectionPoint>> points,
                                                     size_t position)
    : points_(std::move(points)), position_(position) {}

HRESULT ConnectionPointEnumerator::Next(ULONG count, IConnectionPoint** points,
                                        ULONG* fetched) noexcept {
  if (!points || (count > 1 && !fetched)) return E_POINTER;
  ULONG given = 0;
  for (; given < count && position_ < points_.size(); ++given, ++position_)
    points[given] = ComPtr<IConnectionPoint>(points_[position_]).detach();
  if (fetched) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionPointEnumerator::Skip(ULONG count) noexcept {
  const size_t left = points_.size() - position_;
  position_ += count < left ? count : left;
  return count <= left ? S_OK : S_FALSE;
}

HRESULT ConnectionPointEnumerator::Reset() noexcept {
  position_ = 0;
  return S_OK;
}

HRESULT ConnectionPointEnumerator::Clone(IEnumConnectionPoints** copy) noexcept {
  try {
    if (!copy) return E_POINTER;
    *copy =
        ComPtr<IEnumConnectionPoints>(new ConnectionPointEnumerator(points_, position_)).detach();
    return S_OK;
  } catch (...) {
    return hresultFromCurrentException();
  }
}

}  // namespace qh::win
