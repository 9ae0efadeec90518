#include "automation/Object.h"

#include "automation/Events.h"

namespace qh {

void intrusiveAddRef(const Object* object) noexcept {
  if (object->outer_)
    intrusiveAddRef(object->outer_);
  else
    ++object->refs_;
}

void intrusiveRelease(const Object* object) noexcept {
  if (object->outer_)
    intrusiveRelease(object->outer_);
  else if (--object->refs_ == 0)
    delete object;
}

std::unique_ptr<Connection> Object::advise(EventSink&) {
  throw Error(ErrorCode::ActionNotSupported);
}

bool sameObject(const Object* a, const Object* b) noexcept {
  if (!a || !b) return a == b;
  return a->identity() == b->identity();
}

bool memberNameEquals(std::string_view a, std::string_view b) noexcept {
  // Every late-bound call compares names this way, so it folds ASCII letters itself rather
  // than asking the C locale for each character.
  const auto fold = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && fold(a[i]) != fold(b[i])) return false;
  return true;
}

const Variant& argAt(const Args& args, size_t i) {
  static const Variant kMissing = Variant::missing();
  return i < args.size() ? args[i] : kMissing;
}

bool argPresent(const Args& args, size_t i) {
  return i < args.size() && !args[i].isMissing();
}

}  // namespace qh
