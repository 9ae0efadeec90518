#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarComboBox.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"
#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/system/SimSystem.h"

// What a user sees of the add-in in the simulated host's windows and dialogs, and the means
// to act on it, for tests that run the real module (see AddinHostTest).
namespace qh::testing {

// The command bars of an Outlook explorer or inspector window (made on first use).
template <class Window>
sim::CommandBars& barsOf(Window& window) {
  return dynamic_cast<sim::CommandBars&>(*window.commandBars());
}

// The window's "Quillhour" bar, or an empty reference.
template <class Window>
Ref<sim::CommandBar> quillhourBar(Window& window) {
  return barsOf(window).find("Quillhour");
}

// The "Tag:" box on the window's "Quillhour" bar, or an empty reference.
template <class Window>
Ref<sim::CommandBarComboBox> barTagBox(Window& window) {
  Ref<sim::CommandBar> bar = quillhourBar(window);
  return bar ? bar->controls().comboBox("Tag:") : nullptr;
}

// A button on the window's "Quillhour" bar, or an empty reference.
template <class Window>
Ref<sim::CommandBarButton> barButton(Window& window, const std::string& caption) {
  Ref<sim::CommandBar> bar = quillhourBar(window);
  return bar ? bar->controls().button(caption) : nullptr;
}

// The entries of a form list or combo box, read by name as a user would read them.
inline std::vector<std::string> listEntries(Object& list) {
  std::vector<std::string> entries;
  const int count = list.get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) entries.push_back(list.get("List", i).toString());
  return entries;
}

// How many loaded dialogs carry the caption.
inline int dialogsCaptioned(sim::SimSystem& system, const std::string& caption) {
  int count = 0;
  for (const Ref<Object>& form : system.forms().all())
    count += form->get("Caption").toString() == caption;
  return count;
}

// Wraps the windows' command bars: `prepare` sees each window's new collection before the
// add-in does (to add a bar the add-in should adopt, or to inject a failure).
inline void prepareCommandBars(sim::outlook::Application& app,
                               std::function<void(Object& window, sim::CommandBars&)> prepare) {
  auto original = app.settings().commandBars;
  app.settings().commandBars = [original, prepare](Object& window) {
    Ref<Object> bars = original(window);
    prepare(window, dynamic_cast<sim::CommandBars&>(*bars));
    return bars;
  };
}

}  // namespace qh::testing
