#include "core/Connect.h"

#include "core/Globals.h"
#include "core/Lifecycle.h"
#include "core/Log.h"

namespace qh::core {

Connect::~Connect() {
  try {
    AddinShutdown();
  } catch (...) {
    // Destruction cannot report to anyone; keep the reason where a user can look.
    try {
      WriteLog("AddinInstance_Terminate:" + describeCurrentException());
    } catch (...) {
    }
  }
}

void Connect::AddinInstance_OnConnection(const Variant& application) {
  AddinConnect(application.toObject());
}

void Connect::AddinInstance_OnStartupComplete() {
  AddinStartup();
}

void Connect::AddinInstance_OnBeginShutdown() {
  AddinShutdown();
}

void Connect::AddinInstance_OnDisconnection() {
  AddinShutdown();
}

std::string Connect::IRibbonExtensibility_GetCustomUI(const std::string&) {
  return {};
}

void Connect::ICustomTaskPaneConsumer_CTPFactoryAvailable(const Variant& factory) {
  try {
    globals().gCTPFactory = factory.toObject();
  } catch (...) {
    WriteLog("ICustomTaskPaneConsumer_CTPFactoryAvailable:" + describeCurrentException());
  }
}

const DispatchTable<Connect>& Connect::table() {
  static const DispatchTable<Connect> t = [] {
    DispatchTable<Connect> d;
    d.method("OnConnection", [](Connect& c, Args& a) {
      c.AddinInstance_OnConnection(argAt(a, 0));
      return Variant();
    });
    d.method("OnStartupComplete", [](Connect& c, Args&) {
      c.AddinInstance_OnStartupComplete();
      return Variant();
    });
    d.method("OnAddInsUpdate", [](Connect&, Args&) { return Variant(); });
    d.method("OnBeginShutdown", [](Connect& c, Args&) {
      c.AddinInstance_OnBeginShutdown();
      return Variant();
    });
    d.method("OnDisconnection", [](Connect& c, Args&) {
      c.AddinInstance_OnDisconnection();
      return Variant();
    });
    d.method("GetCustomUI", [](Connect& c, Args& a) {
      return Variant(c.IRibbonExtensibility_GetCustomUI(
          argAt(a, 0).isMissing() ? std::string() : argAt(a, 0).toString()));
    });
    d.method("CTPFactoryAvailable", [](Connect& c, Args& a) {
      c.ICustomTaskPaneConsumer_CTPFactoryAvailable(argAt(a, 0));
      return Variant();
    });
    // The tag list in memory, for a host that shows the add-in's state (on Windows, what the
    // add-in object answers to a caller that reached it through COMAddIn.Object).
    d.get("TagArray", [](Connect&, Args&) { return Variant(globals().TagArray); });
    return d;
  }();
  return t;
}

Variant Connect::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::core
