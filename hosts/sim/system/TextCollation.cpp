#include "hosts/sim/system/TextCollation.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <stdexcept>

namespace qh::sim {

struct TextCollation::State {
  ~State() { ucol_close(collator); }
  UCollator* collator = nullptr;
};

TextCollation::TextCollation(const std::string& locale) : state_(std::make_unique<State>()) {
  std::string icuName = locale;
  std::replace(icuName.begin(), icuName.end(), '-', '_');
  UErrorCode status = U_ZERO_ERROR;
  state_->collator = ucol_open(icuName.c_str(), &status);
  if (U_FAILURE(status) || !state_->collator)
    throw std::runtime_error("no collation for " + locale + ": " + u_errorName(status));
  ucol_setStrength(state_->collator, UCOL_SECONDARY);
}

TextCollation::~TextCollation() = default;
TextCollation::TextCollation(TextCollation&&) noexcept = default;
TextCollation& TextCollation::operator=(TextCollation&&) noexcept = default;

int TextCollation::compare(const std::string& a, const std::string& b) const {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult order =
      ucol_strcollUTF8(state_->collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                       static_cast<int32_t>(b.size()), &status);
  // Text that is not UTF-8 still gets an order: its bytes'.
  if (U_FAILURE(status)) return a.compare(b);
  return static_cast<int>(order);
}

}  // namespace qh::sim
