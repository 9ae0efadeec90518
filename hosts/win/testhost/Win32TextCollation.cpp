// The simulated host's order of words in the Windows build: CompareStringEx in the simulated
// locale (see hosts/sim/system/TextCollation.h).
#include "hosts/sim/system/TextCollation.h"

#include "hosts/win/automation/WideText.h"
#include "hosts/win/platform/LocaleCompare.h"

namespace qh::sim {

struct TextCollation::State {
  std::wstring locale;
};

TextCollation::TextCollation(const std::string& locale)
    : state_(std::make_unique<State>(State{win::widen(locale)})) {}

TextCollation::~TextCollation() = default;
TextCollation::TextCollation(TextCollation&&) noexcept = default;
TextCollation& TextCollation::operator=(TextCollation&&) noexcept = default;

int TextCollation::compare(const std::string& a, const std::string& b) const {
  return win::compareInLocale(state_->locale.c_str(), a, b);
}

}  // namespace qh::sim
