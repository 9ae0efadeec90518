#include "core/CommandBarLookup.h"

namespace qh::core {

Ref<Object> findCommandBar(Object* window, const char* name) {
  if (!window) return nullptr;
  Ref<Object> bars = window->tryGetObject("CommandBars");
  return bars ? bars->tryGetObject("Item", name) : nullptr;
}

Ref<Object> findBarControl(Object* bar, const char* caption) {
  if (!bar) return nullptr;
  Ref<Object> controls = bar->tryGetObject("Controls");
  return controls ? controls->tryGetObject("Item", caption) : nullptr;
}

}  // namespace qh::core
