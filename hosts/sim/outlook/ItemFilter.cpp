#include "hosts/sim/outlook/ItemFilter.h"

#include <cctype>

#include "automation/Error.h"
#include "hosts/sim/outlook/Item.h"

namespace qh::sim::outlook {
namespace {

constexpr std::int32_t kCannotParse = static_cast<std::int32_t>(0x80020009u);

[[noreturn]] void cannotParse(std::string_view at) {
  throw Error(kCannotParse, "Cannot parse condition. Error at \"" + std::string(at) + "\".");
}

void skipSpaces(std::string_view& s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
}

bool startsWithWord(std::string_view s, std::string_view word) {
  if (s.size() < word.size() || !memberNameEquals(s.substr(0, word.size()), word)) return false;
  return s.size() == word.size() || std::isspace(static_cast<unsigned char>(s[word.size()]));
}

int compareText(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <class T>
int compareValues(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

ItemFilter ItemFilter::parse(std::string_view text, DateParser parseDate) {
  ItemFilter filter;
  filter.parseDate_ = std::move(parseDate);
  std::string_view s = text;
  for (;;) {
    skipSpaces(s);
    if (s.empty() || s.front() != '[') cannotParse(s);
    const size_t close = s.find(']');
    if (close == std::string_view::npos || close == 1) cannotParse(s);
    Condition c;
    c.property = std::string(s.substr(1, close - 1));
    s.remove_prefix(close + 1);
    skipSpaces(s);

    static const std::pair<std::string_view, Op> kOps[] = {
        {"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
        {"=", Op::Equal},     {"<", Op::Less},       {">", Op::Greater}};
    bool found = false;
    for (const auto& [symbol, op] : kOps) {
      if (s.substr(0, symbol.size()) != symbol) continue;
      c.op = op;
      s.remove_prefix(symbol.size());
      found = true;
      break;
    }
    if (!found) cannotParse(s);
    skipSpaces(s);

    if (!s.empty() && (s.front() == '\'' || s.front() == '"')) {
      const char quote = s.front();
      size_t i = 1;
      for (;; ++i) {
        if (i >= s.size()) cannotParse(s);
        if (s[i] != quote) {
          c.value.push_back(s[i]);
        } else if (i + 1 < s.size() && s[i + 1] == quote) {
          c.value.push_back(quote);
          ++i;
        } else {
          break;
        }
      }
      s.remove_prefix(i + 1);
    } else {
      size_t n = 0;
      while (n < s.size() && !std::isspace(static_cast<unsigned char>(s[n]))) ++n;
      if (n == 0) cannotParse(s);
      c.value = std::string(s.substr(0, n));
      s.remove_prefix(n);
    }
    filter.conditions_.push_back(std::move(c));

    skipSpaces(s);
    if (s.empty()) return filter;
    if (!startsWithWord(s, "And")) cannotParse(s);
    s.remove_prefix(3);
  }
}

bool ItemFilter::matches(const Item& item) const {
  for (const Condition& c : conditions_) {
    const std::optional<Variant> actual = item.field(c.property);
    if (!actual || !holds(c, *actual)) return false;
  }
  return true;
}

bool ItemFilter::holds(const Condition& c, const Variant& actual) const {
  int order = 0;
  switch (actual.type()) {
    case Variant::Type::String:
      order = compareText(actual.asString(), c.value);
      break;
    case Variant::Type::Date: {
      if (!c.date) c.date = parseDate_ ? parseDate_(c.value) : std::nullopt;
      if (!c.date) cannotParse(c.value);
      order = compareValues(actual.toDate(), *c.date);
      break;
    }
    case Variant::Type::Bool:
      try {
        order = compareValues(actual.toBool(), Variant(c.value).toBool());
      } catch (const Error&) {
        cannotParse(c.value);
      }
      break;
    case Variant::Type::Int16:
    case Variant::Type::Int32:
    case Variant::Type::Double: {
      double wanted = 0;
      try {
        wanted = Variant(c.value).toDouble();
      } catch (const Error&) {
        cannotParse(c.value);
      }
      order = compareValues(actual.toDouble(), wanted);
      break;
    }
    default:
      return false;
  }
  switch (c.op) {
    case Op::Equal:
      return order == 0;
    case Op::NotEqual:
      return order != 0;
    case Op::Less:
      return order < 0;
    case Op::LessEqual:
      return order <= 0;
    case Op::Greater:
      return order > 0;
    case Op::GreaterEqual:
      return order >= 0;
  }
  return false;
}

}  // namespace qh::sim::outlook
