#include "hosts/sim/system/OpenForms.h"

#include <algorithm>

namespace qh::sim {
namespace {

std::string captionOf(Object& form) {
  try {
    return form.get("Caption").toString();
  } catch (...) {
    return {};  // a form without a readable caption cannot be found by one
  }
}

}  // namespace

OpenForms::Entry* OpenForms::entryFor(const Object& form) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return sameObject(e.form.get(), &form); });
  return it == entries_.end() ? nullptr : &*it;
}

void OpenForms::loaded(Object& form) {
  if (!entryFor(form)) entries_.push_back({Ref<Object>(&form), false});
}

void OpenForms::shown(Object& form) {
  if (Entry* e = entryFor(form)) {
    e->visible = true;
    return;
  }
  entries_.push_back({Ref<Object>(&form), true});
}

void OpenForms::hidden(Object& form) {
  if (Entry* e = entryFor(form)) e->visible = false;
}

void OpenForms::unloaded(Object& form) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return sameObject(e.form.get(), &form); });
  if (it == entries_.end()) return;
  Ref<Object> last = std::move(it->form);  // released after the list is consistent again
  entries_.erase(it);
}

std::vector<Ref<Object>> OpenForms::all() const {
  std::vector<Ref<Object>> out;
  for (const Entry& e : entries_) out.push_back(e.form);
  return out;
}

std::vector<Ref<Object>> OpenForms::visible() const {
  std::vector<Ref<Object>> out;
  for (const Entry& e : entries_)
    if (e.visible) out.push_back(e.form);
  return out;
}

bool OpenForms::isVisible(const Object& form) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.visible && sameObject(e.form.get(), &form); });
}

Ref<Object> OpenForms::find(std::string_view caption) const {
  // A snapshot: reading a caption calls into the form, which may show or hide others.
  const std::vector<Entry> snapshot = entries_;
  Ref<Object> hiddenMatch;
  for (const Entry& e : snapshot) {
    if (captionOf(*e.form) != caption) continue;
    if (e.visible) return e.form;
    if (!hiddenMatch) hiddenMatch = e.form;
  }
  return hiddenMatch;
}

void OpenForms::clear() {
  std::vector<Entry> released = std::move(entries_);
  entries_.clear();
  released.clear();
}

}  // namespace qh::sim
