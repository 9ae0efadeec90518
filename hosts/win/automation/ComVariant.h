#pragma once

#include <windows.h>

#include <ole2.h>

namespace qh::win {

// An owned VARIANT: initialised empty, cleared (releasing its string, array or interface) on
// destruction and reset, deep-copied with VariantCopy. Moving hands the contents over without
// touching reference counts.
class ComVariant {
 public:
  ComVariant() noexcept;
  // Takes over a VARIANT the caller owns; the source is left empty.
  static ComVariant adopt(VARIANT& v) noexcept;

  ComVariant(const ComVariant& other);
  ComVariant(ComVariant&& other) noexcept;
  ComVariant& operator=(const ComVariant& other);
  ComVariant& operator=(ComVariant&& other) noexcept;
  ~ComVariant();

  void reset() noexcept;
  void swap(ComVariant& other) noexcept;
  // Moves the contents into a VARIANT the caller owns (an out parameter, a result).
  void detachTo(VARIANT* out) noexcept;
  // For an out parameter: clears what is held and answers where the new value goes.
  VARIANT* put() noexcept;

  VARTYPE type() const noexcept { return V_VT(&v_); }
  const VARIANT& get() const noexcept { return v_; }
  VARIANT& get() noexcept { return v_; }

 private:
  VARIANT v_;
};

}  // namespace qh::win
