#include "core/Lifecycle.h"

#include "core/Globals.h"
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "core/cAddin.h"
#include "core/cObjectStore.h"

namespace qh::core {

void AddinConnect(const Ref<Object>& application) {
  AddinGlobals& g = globals();
  g.gAddin = makeRef<cAddin>();
  g.gObjectStore = makeRef<cObjectStore>();
  g.gAddin->Init(application);
  GlobalInitSettings();
}

void AddinStartup() {
  Ref<cAddin> addin = globals().gAddin;
  if (!addin) throw Error(ErrorCode::ObjectNotSet);
  addin->Startup();
}

void AddinShutdown() {
  AddinGlobals& g = globals();
  if (g.gObjectStore) {
    // The registry is emptied while gObjectStore is still set, so wrappers that remove
    // themselves during it find it in place.
    g.gObjectStore->DeleteAll();
    g.gObjectStore.reset();
  }
  if (!g.gAddin) return;
  closeMainForm();
  if (Ref<forms::Form> about = std::move(g.aboutForm)) about->unload();
  g.gCTPFactory.reset();
  g.gAddin->Destruct();
  g.gAddin.reset();
}

}  // namespace qh::core
