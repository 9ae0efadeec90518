#pragma once

#include <string_view>
#include <vector>

#include "automation/Object.h"

namespace qh::sim {

// The simulated window system's list of dialogs: a form enters it when loaded or first shown, stays
// (visible or hidden) while it is loaded, and leaves it when unloaded. The list holds a
// reference to each form, so a test or the command-line program can find a dialog by its
// caption and drive it after the code that showed it has let go.
class OpenForms {
 public:
  OpenForms() = default;
  OpenForms(const OpenForms&) = delete;
  OpenForms& operator=(const OpenForms&) = delete;
  ~OpenForms() { clear(); }

  void loaded(Object& form);
  void shown(Object& form);
  void hidden(Object& form);
  void unloaded(Object& form);

  // Every loaded form, in the order they were loaded or first shown.
  std::vector<Ref<Object>> all() const;
  std::vector<Ref<Object>> visible() const;
  bool isVisible(const Object& form) const;
  // The first visible form whose Caption is exactly caption, else the first hidden one, else
  // an empty reference.
  Ref<Object> find(std::string_view caption) const;

  // Releases every form (forms may report back while they end; the list is already empty).
  void clear();

 private:
  struct Entry {
    Ref<Object> form;
    bool visible;
  };
  Entry* entryFor(const Object& form);

  std::vector<Entry> entries_;
};

}  // namespace qh::sim
