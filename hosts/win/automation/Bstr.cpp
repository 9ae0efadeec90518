#include "hosts/win/automation/Bstr.h"

#include <new>
#include <utility>

#include "hosts/win/automation/WideText.h"

namespace qh::win {
namespace {

BSTR allocate(std::wstring_view text) {
  BSTR b = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (!b) throw std::bad_alloc();
  return b;
}

}  // namespace

Bstr::Bstr(std::wstring_view text) : b_(allocate(text)) {}

Bstr Bstr::fromUtf8(std::string_view text) {
  return Bstr(widen(text));
}

Bstr Bstr::adopt(BSTR b) noexcept {
  Bstr result;
  result.b_ = b;
  return result;
}

Bstr::Bstr(const Bstr& other) : b_(other.b_ ? allocate(other.view()) : nullptr) {}

Bstr::Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}

Bstr& Bstr::operator=(const Bstr& other) {
  Bstr(other).swap(*this);
  return *this;
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  Bstr(std::move(other)).swap(*this);
  return *this;
}

Bstr::~Bstr() {
  reset();
}

void Bstr::reset() noexcept {
  SysFreeString(std::exchange(b_, nullptr));
}

void Bstr::swap(Bstr& other) noexcept {
  std::swap(b_, other.b_);
}

BSTR Bstr::detach() noexcept {
  return std::exchange(b_, nullptr);
}

BSTR* Bstr::put() noexcept {
  reset();
  return &b_;
}

std::string Bstr::toUtf8() const {
  return narrow(view());
}

std::string utf8Of(BSTR b) {
  return narrow({b ? b : L"", SysStringLen(b)});
}

}  // namespace qh::win
