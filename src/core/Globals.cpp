#include "core/Globals.h"

#include "core/MainForm.h"
#include "core/cAddin.h"
#include "core/cObjectStore.h"

namespace qh::core {

AddinGlobals& globals() {
  static AddinGlobals g;
  return g;
}

void resetGlobals() {
  AddinGlobals& g = globals();
  AddinGlobals old = std::move(g);
  g = AddinGlobals{};
  g.system = old.system;  // objects ending below may still write to the log
  old = AddinGlobals{};
  g = AddinGlobals{};
}

platform::System& addinSystem() {
  platform::System* system = globals().system;
  if (!system) throw Error(ErrorCode::ObjectNotSet);
  return *system;
}

Object& addinApplication() {
  const Ref<cAddin>& addin = globals().gAddin;
  if (!addin || !addin->OutlookInstance()) throw Error(ErrorCode::ObjectNotSet);
  return *addin->OutlookInstance();
}

Object& addinNameSpace() {
  const Ref<cAddin>& addin = globals().gAddin;
  if (!addin || !addin->NameSpace()) throw Error(ErrorCode::ObjectNotSet);
  return *addin->NameSpace();
}

MainForm& mainForm() {
  AddinGlobals& g = globals();
  if (!g.mainForm || g.mainForm->unloaded()) {
    g.mainForm = makeRef<MainForm>(addinSystem());
    g.mainForm->load();
  }
  return *g.mainForm;
}

void closeMainForm() {
  Ref<MainForm> window = std::move(globals().mainForm);
  if (window) window->unload();
}

}  // namespace qh::core
