#include "hosts/win/ui/FormWindows.h"

#include <algorithm>

#include "forms/Form.h"
#include "hosts/win/ui/FaceAssets.h"
#include "hosts/win/ui/FormWindow.h"

namespace qh::win {

FormWindows::FormWindows() = default;

FormWindows::~FormWindows() {
  // The windows go first, while the forms they show are still held.
  for (Entry& e : entries_)
    if (e.window) {
      keyboard_.remove(e.window->window());
      e.window->destroy();
    }
  std::vector<Entry> released = std::move(entries_);
}

FormWindows::Entry* FormWindows::find(const Object& form) {
  const auto at = std::find_if(entries_.begin(), entries_.end(),
                               [&form](const Entry& e) { return e.form.get() == &form; });
  return at == entries_.end() ? nullptr : &*at;
}

FormWindows::Entry& FormWindows::keep(Object& form) {
  if (Entry* e = find(form)) return *e;
  Entry entry{Ref<Object>(&form), nullptr};
  if (auto* model = dynamic_cast<forms::Form*>(&form)) {
    if (!assets_) assets_ = std::make_shared<const FaceAssets>();
    entry.window = FormWindow::dialog(*model, assets_);
    if (entry.window) keyboard_.add(entry.window->window());
  }
  entries_.push_back(std::move(entry));
  return entries_.back();
}

void FormWindows::loaded(Object& form) {
  keep(form);
}

void FormWindows::shown(Object& form) {
  if (const auto& window = keep(form).window) window->show();
}

void FormWindows::hidden(Object& form) {
  if (Entry* e = find(form); e && e->window) e->window->hide();
}

void FormWindows::unloaded(Object& form) {
  const auto at = std::find_if(entries_.begin(), entries_.end(),
                               [&form](const Entry& e) { return e.form.get() == &form; });
  if (at == entries_.end()) return;
  Entry gone = std::move(*at);
  entries_.erase(at);
  if (gone.window) {
    keyboard_.remove(gone.window->window());
    gone.window->destroy();
  }
}

std::vector<Ref<Object>> FormWindows::openForms() const {
  std::vector<Ref<Object>> forms;
  for (const Entry& e : entries_) forms.push_back(e.form);
  return forms;
}

}  // namespace qh::win
