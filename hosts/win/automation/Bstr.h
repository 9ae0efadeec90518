#pragma once

#include <windows.h>

#include <ole2.h>

#include <string>
#include <string_view>

namespace qh::win {

// An owned BSTR. A null BSTR is COM's empty string, so an empty holder and an empty text
// read the same. Lengths are the BSTR's own, so texts may hold NUL characters.
class Bstr {
 public:
  Bstr() noexcept = default;
  explicit Bstr(std::wstring_view text);
  static Bstr fromUtf8(std::string_view text);
  // Takes over a BSTR the caller owns (an out parameter, an EXCEPINFO field).
  static Bstr adopt(BSTR b) noexcept;

  Bstr(const Bstr& other);
  Bstr(Bstr&& other) noexcept;
  Bstr& operator=(const Bstr& other);
  Bstr& operator=(Bstr&& other) noexcept;
  ~Bstr();

  void reset() noexcept;
  void swap(Bstr& other) noexcept;
  // Hands the string to the caller, who frees it (an out parameter, a VARIANT's bstrVal).
  [[nodiscard]] BSTR detach() noexcept;
  // For an out parameter: frees what is held and answers where the new string goes.
  BSTR* put() noexcept;

  BSTR get() const noexcept { return b_; }
  size_t length() const noexcept { return SysStringLen(b_); }
  bool empty() const noexcept { return length() == 0; }
  std::wstring_view view() const noexcept { return {b_ ? b_ : L"", length()}; }
  std::string toUtf8() const;

 private:
  BSTR b_ = nullptr;
};

// The UTF-8 text of a BSTR that stays with its owner.
std::string utf8Of(BSTR b);

}  // namespace qh::win
