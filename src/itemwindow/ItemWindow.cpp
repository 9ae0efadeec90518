#include "itemwindow/ItemWindow.h"

#include "core/AddinIdentity.h"
#include "core/CommandBarLookup.h"
#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/Log.h"
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "core/cObjectStore.h"

namespace qh::inspector {

using core::LoggedSteps;
using core::use;

cInspector::cInspector()
    : Inspector(*this, [this](std::string_view e, Args&) { Inspector_Event(e); }),
      TagComboBox(*this, [this](std::string_view e, Args& a) {
        if (e == "Change") TagComboBox_Change(argAt(a, 0).toObject());
      }) {}

Ref<cInspector> cInspector::Create() {
  Ref<cInspector> wrapper(new cInspector());
  use(core::globals().gObjectStore).Add(wrapper);
  return wrapper;
}

cInspector::~cInspector() {
  try {
    tearDown();
  } catch (...) {
  }
}

Ref<Object> cInspector::currentItem() {
  return use(Inspector.ref()).getObject("CurrentItem");
}

void cInspector::Init(const Ref<Object>& oInspector) {
  Inspector.set(oInspector);
  use(core::globals().gObjectStore).Add(Inspector.ref());
  TagComboBox.reset();
  InspectorCommandBar.reset();
  TaskPane.reset();
  if (currentItem()) {
    AddCommandBar();
    AddTaskPane();
  }
}

void cInspector::AddCommandBar() {
  LoggedSteps steps("cInspector:AddCommandBar:");
  if (!InspectorCommandBar) {
    InspectorCommandBar = core::findCommandBar(Inspector.get(), core::kBarName);
    if (!InspectorCommandBar)
      steps([&] {
        InspectorCommandBar = use(use(Inspector.ref()).getObject("CommandBars"))
                                  .getObject("Add", core::kBarName, core::msoBarTop, false, true);
      });
  }
  steps([&] { use(InspectorCommandBar).put("Protection", core::kBarProtection); });
  steps([&] { use(InspectorCommandBar).put("Visible", true); });
  if (TagComboBox) return;
  if (Ref<Object> found = core::findBarControl(InspectorCommandBar.get(), "Tag:")) {
    // A box already on the bar is adopted as it is: no refill, no text from the item.
    steps([&] { TagComboBox.set(found); });
    return;
  }
  steps([&] {
    TagComboBox.set(use(use(InspectorCommandBar).getObject("Controls"))
                        .getObject("Add", core::msoControlComboBox));
  });
  steps([&] { use(TagComboBox.ref()).put("BeginGroup", true); });
  steps([&] { use(TagComboBox.ref()).put("Caption", "Tag:"); });
  steps([&] { use(TagComboBox.ref()).put("Width", 200); });
  steps([&] { use(TagComboBox.ref()).put("TooltipText", "Quillhour Tag"); });
  steps([&] { use(TagComboBox.ref()).put("Style", core::msoComboLabel); });
  steps([&] { core::FillTagCombo(use(TagComboBox.ref()), core::globals().TagArray); });
  steps([&] { use(TagComboBox.ref()).put("Text", use(currentItem()).get("Categories")); });
}

void cInspector::RemoveCommandBar() {
  LoggedSteps steps("cInspector:RemoveCommandBar:");
  if (InspectorCommandBar) {
    std::vector<Ref<Object>> controls;
    steps([&] {
      Ref<Object> all = InspectorCommandBar->getObject("Controls");
      const int count = use(all).get("Count").toInt32();
      for (int i = 1; i <= count; ++i) controls.push_back(all->getObject("Item", i));
    });
    for (const Ref<Object>& control : controls) steps([&] { use(control).call("Delete"); });
    steps([&] { InspectorCommandBar->call("Delete"); });
  }
  TagComboBox.reset();
  InspectorCommandBar.reset();
}

void cInspector::AddTaskPane() {
  LoggedSteps steps("cInspector:AddTaskPane:");
  const Ref<Object> factory = core::globals().gCTPFactory;
  if (!factory) return;  // a host without task panes
  steps([&] {
    TaskPane = factory->getObject("CreateCTP", "QuillhourControls.InspectorPane", core::kAppTitle,
                                  Inspector.ref());
  });
  if (!TaskPane) return;
  steps([&] { TaskPane->put("DockPosition", 1); });  // msoCTPDockPositionTop, 32-bit
  steps([&] { TaskPane->put("Height", std::int16_t{50}); });
  steps([&] { TaskPane->put("DockPositionRestrict", 1); });  // msoCTPDockPositionRestrictNoChange
  Ref<Object> content;
  steps([&] { content = TaskPane->getObject("ContentControl"); });
  steps([&] { use(content).call("SetAppointmentItem", currentItem()); });
  steps([&] {
    Args args{Variant(core::globals().TagArray)};
    use(content).invoke("FillTagComboBox", CallKind::Call, args);
  });
  steps([&] { use(content).call("SetTagComboBoxText", use(currentItem()).get("Categories")); });
  content.reset();
  steps([&] { TaskPane->put("visible", true); });
}

void cInspector::RemoveTaskPane() {
  LoggedSteps steps("cInspector:RemoveTaskPane:");
  if (!TaskPane) return;
  steps([&] { TaskPane->put("visible", false); });
  steps([&] { TaskPane->call("Delete"); });
}

void cInspector::Inspector_Event(std::string_view event) {
  if (event == "Activate") {
    core::TraceLog("Inspector_Activate");
  } else if (event == "Close") {
    core::TraceLog("Inspector_Close");
    OnClose();
  }
}

void cInspector::TagComboBox_Change(const Ref<Object>& ctrl) {
  const std::string text = use(ctrl).get("Text").toString();
  if (text.empty()) return;
  if (ctrl->get("ListIndex").toInt32() == 0) return;  // typed, not chosen from the list
  Ref<Object> item = currentItem();
  if (use(item).get("Categories").toString() != text) item->put("Categories", text);
}

void cInspector::OnClose() {
  tearDown();
}

void cInspector::tearDown() {
  Ref<core::cObjectStore> store = core::globals().gObjectStore;
  if (store && Inspector) store->Delete(Inspector.get());
  RemoveCommandBar();
  RemoveTaskPane();
  TagComboBox.reset();
  InspectorCommandBar.reset();
  TaskPane.reset();
  Inspector.reset();
  // Drops the last lasting reference: the wrapper ends once the running handler returns.
  if (store) store->Delete(this);
}

const DispatchTable<cInspector>& cInspector::table() {
  static const DispatchTable<cInspector> t = [] {
    DispatchTable<cInspector> d;
    d.method("Init", [](cInspector& i, Args& a) {
      i.Init(requiredArg(a, 0).toObject());
      return Variant();
    });
    d.method("AddCommandBar", [](cInspector& i, Args&) {
      i.AddCommandBar();
      return Variant();
    });
    d.method("RemoveCommandBar", [](cInspector& i, Args&) {
      i.RemoveCommandBar();
      return Variant();
    });
    d.method("AddTaskPane", [](cInspector& i, Args&) {
      i.AddTaskPane();
      return Variant();
    });
    d.method("RemoveTaskPane", [](cInspector& i, Args&) {
      i.RemoveTaskPane();
      return Variant();
    });
    d.get("Inspector", [](cInspector& i, Args&) { return Variant(i.Inspector.ref()); });
    d.get("TagComboBox", [](cInspector& i, Args&) { return Variant(i.TagComboBox.ref()); });
    return d;
  }();
  return t;
}

Variant cInspector::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::inspector
