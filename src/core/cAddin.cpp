#include "core/cAddin.h"

#include "core/AddinIdentity.h"
#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/Log.h"
#include "core/LoggedSteps.h"
#include "core/MainForm.h"
#include "core/cObjectStore.h"
#include "explorer/cExplorer.h"
#include "itemwindow/ItemWindow.h"

namespace qh::core {
namespace {

// DoAlert's arguments: OK and Cancel, the question icon, the first button as default, the
// second as cancel, no system alert.
constexpr int kAlertButtonOkCancel = 1;  // msoAlertButtonOKCancel
constexpr int kAlertIconQuery = 2;       // msoAlertIconQuery
constexpr int kAlertDefaultFirst = 0;    // msoAlertDefaultFirst
constexpr int kAlertCancelSecond = 1;    // msoAlertCancelSecond

}  // namespace

cAddin::cAddin()
    : outlookInstance_(*this, [this](std::string_view e, Args& a) { OutlookInstance_Event(e, a); }),
      explorers_(*this,
                 [this](std::string_view e, Args& a) {
                   if (e == "NewExplorer") Explorers_NewExplorer(argAt(a, 0).toObject());
                 }),
      inspectors_(*this, [this](std::string_view e, Args& a) {
        if (e == "NewInspector") Inspectors_NewInspector(argAt(a, 0).toObject());
      }) {}

cAddin::~cAddin() = default;

void cAddin::Init(const Ref<Object>& application) {
  outlookInstance_.set(application);
  nameSpace_ = use(application).getObject("GetNamespace", "MAPI");
  explorers_.set(application->getObject("Explorers"));
  inspectors_.set(application->getObject("Inspectors"));
}

void cAddin::Startup() {
  TraceLog("Addin Startup");
  const Int16 count = Int16::checked(use(explorers_.ref()).get("Count").toInt32());
  for (Int16 i = 1; i <= count; ++i) {
    wrapExplorer(explorers_->getObject("Item", static_cast<std::int16_t>(i)));
    if (i == count) break;  // the 16-bit index must not step past the last explorer
  }
}

void cAddin::wrapExplorer(const Ref<Object>& explorer) {
  Ref<explorer::cExplorer> wrapper = explorer::cExplorer::Create();
  wrapper->Init(explorer);
  wrapper->OnFolderSwitch();
  wrapper->OnSelectionChange();
}

void cAddin::Destruct() {
  if (!outlookInstance_) return;
  inspectors_.reset();
  explorers_.reset();
  nameSpace_.reset();
  outlookInstance_.reset();
}

void cAddin::OutlookInstance_Event(std::string_view event, Args& args) {
  if (event == "ItemSend") {
    if (args.size() < 2) throw Error(ErrorCode::ArgumentNotOptional);
    OutlookInstance_ItemSend(args[0], args[1]);
  } else if (event == "Startup") {
    TraceLog("Addin OutlookInstance_Startup");
  } else if (event == "Quit") {
    TraceLog("Addin OutlookInstance_Quit");
  }
}

void cAddin::OutlookInstance_ItemSend(const Variant& item, Variant& cancel) {
  TraceLog("Addin: OutlookInstance_ItemSend");
  Ref<Object> sent = item.toObject();
  if (!sent) return;
  if (sent->get("Subject").toString() != kSettingsSubject) return;
  cancel = Variant(true);
  TraceLog("Addin: Prohibited Quillhour Settings to be sent");
  OutlookAlert(kAppTitle, "Settings cannot be sent. Please Close and Save to store the settings!");
}

void cAddin::Explorers_NewExplorer(const Ref<Object>& explorer) {
  TraceLog("Addin NewExplorer");
  wrapExplorer(explorer);
}

void cAddin::Inspectors_NewInspector(const Ref<Object>& inspector) {
  TraceLog("Addin NewInspector");
  Ref<Object> item = use(inspector).getObject("CurrentItem");
  if (use(item).get("Class").toInt32() != olAppointment) return;
  if (item->get("Subject").toString() == kSettingsSubject) return;
  if (use(globals().gObjectStore).Exists(inspector.get())) return;
  Ref<inspector::cInspector> wrapper = inspector::cInspector::Create();
  wrapper->Init(inspector);
}

Int16 cAddin::GetOutlookVersion() {
  if (!outlookInstance_) return 0;
  const std::string version = outlookInstance_->get("Version").toString();
  const size_t dot = version.find('.');
  return Variant(version.substr(0, dot)).toInt16();
}

Int16 cAddin::OutlookAlert(const std::string& title, const std::string& text) {
  if (!outlookInstance_) return 0;
  if (GetOutlookVersion() <= 9)
    return static_cast<std::int16_t>(alertThroughLogWindow(title, text));
  return static_cast<std::int16_t>(alertThroughAssistant(title, text));
}

int cAddin::alertThroughLogWindow(const std::string& title, const std::string& text) {
  MainForm& window = mainForm();
  const bool wasVisible = window.visible();
  window.show();
  // A plain OK/Cancel box: no icon.
  const int answer = addinSystem().messageBox(text, title, platform::MessageButtons::OkCancel,
                                              platform::MessageIcon::None);
  if (!wasVisible) window.hide();
  return answer == platform::kAnswerOk ? 1 : 0;
}

int cAddin::alertThroughAssistant(const std::string& title, const std::string& text) {
  try {
    Ref<Object> assistant = outlookInstance_->getObject("Assistant");
    return use(assistant)
        .call("DoAlert", title, text, kAlertButtonOkCancel, kAlertIconQuery, kAlertDefaultFirst,
              kAlertCancelSecond, false)
        .toInt16();
  } catch (...) {
    // Current Office versions may have no working Assistant; the user must still see the
    // message, so show it in a standard box instead, with the question icon the Assistant's
    // alert asks for.
    const int answer = addinSystem().messageBox(text, title, platform::MessageButtons::OkCancel,
                                                platform::MessageIcon::Question);
    return answer == platform::kAnswerOk ? 1 : 0;
  }
}

const DispatchTable<cAddin>& cAddin::table() {
  static const DispatchTable<cAddin> t = [] {
    DispatchTable<cAddin> d;
    d.get("OutlookInstance", [](cAddin& a, Args&) { return Variant(a.outlookInstance_.ref()); });
    d.get("NameSpace", [](cAddin& a, Args&) { return Variant(a.nameSpace_); });
    d.get("Explorers", [](cAddin& a, Args&) { return Variant(a.explorers_.ref()); });
    d.get("Inspectors", [](cAddin& a, Args&) { return Variant(a.inspectors_.ref()); });
    d.method("Init", [](cAddin& a, Args& args) {
      a.Init(requiredArg(args, 0).toObject());
      return Variant();
    });
    d.method("Startup", [](cAddin& a, Args&) {
      a.Startup();
      return Variant();
    });
    d.method("Destruct", [](cAddin& a, Args&) {
      a.Destruct();
      return Variant();
    });
    d.method("OutlookAlert", [](cAddin& a, Args& args) {
      return Variant(
          a.OutlookAlert(requiredArg(args, 0).toString(), requiredArg(args, 1).toString()).value());
    });
    d.method("GetOutlookVersion",
             [](cAddin& a, Args&) { return Variant(a.GetOutlookVersion().value()); });
    return d;
  }();
  return t;
}

Variant cAddin::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::core
