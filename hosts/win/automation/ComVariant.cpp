#include "hosts/win/automation/ComVariant.h"

#include "hosts/win/automation/ComError.h"

namespace qh::win {
namespace {

// A bitwise move: the destination takes the source's references and the source forgets them.
void moveInto(VARIANT& to, VARIANT& from) noexcept {
  to = from;
  VariantInit(&from);
}

}  // namespace

ComVariant::ComVariant() noexcept {
  VariantInit(&v_);
}

ComVariant ComVariant::adopt(VARIANT& v) noexcept {
  ComVariant result;
  moveInto(result.v_, v);
  return result;
}

ComVariant::ComVariant(const ComVariant& other) : ComVariant() {
  // VariantCopy only reads its source; the headers declare it without const.
  throwIfFailed(VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)));
}

ComVariant::ComVariant(ComVariant&& other) noexcept {
  moveInto(v_, other.v_);
}

ComVariant& ComVariant::operator=(const ComVariant& other) {
  ComVariant(other).swap(*this);
  return *this;
}

ComVariant& ComVariant::operator=(ComVariant&& other) noexcept {
  ComVariant(std::move(other)).swap(*this);
  return *this;
}

ComVariant::~ComVariant() {
  reset();
}

void ComVariant::reset() noexcept {
  VariantClear(&v_);
}

void ComVariant::swap(ComVariant& other) noexcept {
  VARIANT t = v_;
  v_ = other.v_;
  other.v_ = t;
}

void ComVariant::detachTo(VARIANT* out) noexcept {
  VariantInit(out);
  moveInto(*out, v_);
}

VARIANT* ComVariant::put() noexcept {
  reset();
  return &v_;
}

}  // namespace qh::win
