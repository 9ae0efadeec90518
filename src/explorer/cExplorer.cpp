#include "explorer/cExplorer.h"

#include "automation/Int16.h"
#include "core/CommandBarLookup.h"
#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/Log.h"
#include "core/LoggedSteps.h"
#include "core/TagList.h"
#include "core/cObjectStore.h"

namespace qh::explorer {

using core::LoggedSteps;
using core::TraceLog;
using core::use;

namespace {

// A handler for a control's click: whatever arguments come (Ctrl, CancelDefault), one action.
template <class F>
EventRef::Handler onClick(F action) {
  return [action](std::string_view event, Args&) {
    if (event == "Click") action();
  };
}

std::vector<Ref<Object>> controlsOf(Object& bar) {
  Ref<Object> controls = bar.getObject("Controls");
  const int count = use(controls).get("Count").toInt32();
  std::vector<Ref<Object>> list;
  for (int i = 1; i <= count; ++i) list.push_back(controls->getObject("Item", i));
  return list;
}

}  // namespace

cExplorer::cExplorer()
    : Explorer(*this, [this](std::string_view e, Args&) { Explorer_Event(e); }),
      SettingsFormItem(*this, [this](std::string_view e, Args&) { SettingsFormItem_Event(e); }),
      NewTimesButton(*this, onClick([this] { NewTimesButton_Click(); })),
      TagComboBox(*this,
                  [this](std::string_view e, Args& a) {
                    if (e == "Change") TagComboBox_Change(argAt(a, 0).toObject());
                  }),
      ExportButton(*this, onClick([this] { ExportButton_Click(); })),
      SettingsButton(*this, onClick([this] { SettingsButton_Click(); })),
      AboutButton(*this, onClick([this] { AboutButton_Click(); })) {}

Ref<cExplorer> cExplorer::Create() {
  Ref<cExplorer> wrapper(new cExplorer());
  use(core::globals().gObjectStore).Add(wrapper);
  return wrapper;
}

cExplorer::~cExplorer() {
  // At shutdown this is what removes the window's bar; after a close it finds nothing.
  try {
    RemoveCommandBar();
  } catch (...) {
  }
  ReleaseObjects();
}

void cExplorer::Init(const Ref<Object>& oExplorer) {
  ReleaseObjects();
  Explorer.set(oExplorer);
}

void cExplorer::AddCommandBar() {
  LoggedSteps steps("cExplorer:AddCommandBar:");
  if (!ExplorerCommandBar) {
    ExplorerCommandBar = core::findCommandBar(Explorer.get(), core::kBarName);
    if (!ExplorerCommandBar)
      steps([&] {
        ExplorerCommandBar = use(use(Explorer.ref()).getObject("CommandBars"))
                                 .getObject("Add", core::kBarName, core::msoBarTop, false, true);
      });
  }
  steps([&] { use(ExplorerCommandBar).put("Protection", core::kBarProtection); });
  steps([&] { use(ExplorerCommandBar).put("Visible", false); });
  addButton(steps, NewTimesButton, "New Time", "New Time post", 2145, false);
  addTagComboBox(steps);
  addButton(steps, ExportButton, "Export Times", "Export Times to Excel", 142, false);
  addButton(steps, SettingsButton, "Settings", "Quillhour Settings", 329, true);
  addButton(steps, AboutButton, "About Quillhour", "About Quillhour", 124, true);
}

void cExplorer::addButton(LoggedSteps& steps, EventRef& member, const char* caption,
                          const char* tooltip, int faceId, bool beginGroup) {
  if (member) return;
  if (Ref<Object> found = core::findBarControl(ExplorerCommandBar.get(), caption)) {
    steps([&] { member.set(found); });
    return;
  }
  steps([&] {
    member.set(use(use(ExplorerCommandBar).getObject("Controls"))
                   .getObject("Add", core::msoControlButton));
  });
  steps([&] { use(member.ref()).put("BeginGroup", beginGroup); });
  steps([&] { use(member.ref()).put("Caption", caption); });
  steps([&] { use(member.ref()).put("TooltipText", tooltip); });
  steps([&] { use(member.ref()).put("FaceId", faceId); });
  steps([&] { use(member.ref()).put("Style", core::msoButtonIconAndCaption); });
}

void cExplorer::addTagComboBox(LoggedSteps& steps) {
  if (TagComboBox) return;
  if (Ref<Object> found = core::findBarControl(ExplorerCommandBar.get(), "Tag:")) {
    steps([&] { TagComboBox.set(found); });
    return;
  }
  steps([&] {
    TagComboBox.set(use(use(ExplorerCommandBar).getObject("Controls"))
                        .getObject("Add", core::msoControlComboBox));
  });
  steps([&] { use(TagComboBox.ref()).put("BeginGroup", false); });
  steps([&] { use(TagComboBox.ref()).put("Caption", "Tag:"); });
  steps([&] { use(TagComboBox.ref()).put("Width", 200); });
  steps([&] { use(TagComboBox.ref()).put("TooltipText", "Quillhour Tag"); });
  steps([&] { use(TagComboBox.ref()).put("Style", core::msoComboLabel); });
  steps([&] { core::FillTagCombo(use(TagComboBox.ref()), core::globals().TagArray); });
}

void cExplorer::HideCommandBar(bool hide) {
  if (ExplorerCommandBar) ExplorerCommandBar->put("Visible", !hide);
}

void cExplorer::EnableCommandBar(bool enable) {
  if (!ExplorerCommandBar) return;
  for (const Ref<Object>& control : controlsOf(*ExplorerCommandBar))
    use(control).put("Enabled", enable);
}

void cExplorer::RemoveCommandBar() {
  LoggedSteps steps("cExplorer:RemoveCommandBar:");
  if (ExplorerCommandBar) {
    std::vector<Ref<Object>> controls;
    steps([&] { controls = controlsOf(*ExplorerCommandBar); });
    for (const Ref<Object>& control : controls) steps([&] { use(control).call("Delete"); });
    steps([&] { ExplorerCommandBar->call("Delete"); });
  }
  NewTimesButton.reset();
  TagComboBox.reset();
  ExportButton.reset();
  SettingsButton.reset();
  AboutButton.reset();
  ExplorerCommandBar.reset();
}

void cExplorer::ReleaseObjects() {
  Explorer.reset();
  CurrentSelection.reset();
  SettingsFormItem.reset();
  NewTimesButton.reset();
  TagComboBox.reset();
  ExportButton.reset();
  SettingsButton.reset();
  AboutButton.reset();
  ExplorerCommandBar.reset();
}

void cExplorer::OnClose() {
  RemoveCommandBar();
  ReleaseObjects();
  use(core::globals().gObjectStore).Delete(this);
}

void cExplorer::Explorer_Event(std::string_view event) {
  if (event == "Activate") {
    TraceLog("Explorer Explorer_Activate");
  } else if (event == "FolderSwitch") {
    TraceLog("Explorer Explorer_FolderSwitch");
    OnFolderSwitch();
  } else if (event == "SelectionChange") {
    TraceLog("Explorer Explorer_SelectionChange");
    OnSelectionChange();
  } else if (event == "Close") {
    TraceLog("Explorer Explorer_Close");
    OnClose();
  }
}

bool cExplorer::showsDefaultFolder(int folderNumber) {
  // Folders compare by value: each one's default member, as late-bound code compares them.
  const Variant shown = use(use(Explorer.ref()).getObject("CurrentFolder")).get("");
  const Variant wanted =
      use(core::addinNameSpace().getObject("GetDefaultFolder", folderNumber)).get("");
  return variantEquals(shown, wanted);
}

void cExplorer::OnFolderSwitch() {
  LoggedSteps steps("cExplorer:OnFolderSwitch");
  steps([&] { AddCommandBar(); });
  steps([&] { HideCommandBar(true); });
  if (steps.test([&] { return showsDefaultFolder(core::olFolderCalendar); }))
    steps([&] { HideCommandBar(false); });
  CurrentSelection.reset();
}

void cExplorer::OnSelectionChange() {
  LoggedSteps steps("cExplorer:OnSelectionChange");
  Int16 previousCount = 0;
  std::string previousFirst;
  if (CurrentSelection) {
    steps([&] { previousCount = Int16::checked(CurrentSelection->get("Count").toInt32()); });
    if (previousCount > 0)
      steps([&] {
        previousFirst = use(CurrentSelection->getObject("Item", 1)).get("EntryID").toString();
      });
  }
  steps([&] { CurrentSelection = use(Explorer.ref()).getObject("Selection"); });
  if (CurrentSelection) {
    if (steps.test([&] { return showsDefaultFolder(core::olFolderOutbox); })) {
      TraceLog("Explorer OnSelectionChange: Clearing Selection in Outbox folder");
      CurrentSelection.reset();
    } else if (steps.test([&] {
                 return previousCount > 0 &&
                        CurrentSelection->get("Count").toInt32() == previousCount &&
                        use(CurrentSelection->getObject("Item", 1)).get("EntryID").toString() ==
                            previousFirst;
               })) {
      return;
    }
  }
  steps([&] {
    std::string text;
    if (CurrentSelection) {
      const int count = CurrentSelection->get("Count").toInt32();
      if (count == 1)
        text = use(CurrentSelection->getObject("Item", 1)).get("Categories").toString();
      else if (count > 1)
        text = "(Multiple)";
    }
    use(TagComboBox.ref()).put("Text", text);
  });
  steps([&] { use(TagComboBox.ref()).put("Visible", true); });
}

void cExplorer::TagComboBox_Change(const Ref<Object>& ctrl) {
  const std::string text = use(ctrl).get("Text").toString();
  if (text.empty()) return;
  if (!CurrentSelection) return;
  if (ctrl->get("ListIndex").toInt32() == 0) return;
  const Ref<Object> selection = CurrentSelection;
  const Int16 count = Int16::checked(selection->get("Count").toInt32());
  for (Int16 i = 1; i <= count; ++i) {
    Ref<Object> item = selection->getObject("Item", static_cast<std::int16_t>(i));
    if (use(item).get("Categories").toString() != text) {
      item->put("Categories", text);
      item->call("Save");
    }
    if (i == count) break;
  }
}

void cExplorer::SettingsFormItem_Event(std::string_view event) {
  if (event == "Save")
    SettingsFormItem_Save();
  else if (event == "Cancel")
    SettingsFormItem_Cancel();
}

const DispatchTable<cExplorer>& cExplorer::table() {
  static const DispatchTable<cExplorer> t = [] {
    DispatchTable<cExplorer> d;
    d.method("Init", [](cExplorer& e, Args& a) {
      e.Init(requiredArg(a, 0).toObject());
      return Variant();
    });
    d.method("AddCommandBar", [](cExplorer& e, Args&) {
      e.AddCommandBar();
      return Variant();
    });
    d.method("HideCommandBar", [](cExplorer& e, Args& a) {
      e.HideCommandBar(requiredArg(a, 0).toBool());
      return Variant();
    });
    d.method("EnableCommandBar", [](cExplorer& e, Args& a) {
      e.EnableCommandBar(requiredArg(a, 0).toBool());
      return Variant();
    });
    d.method("RemoveCommandBar", [](cExplorer& e, Args&) {
      e.RemoveCommandBar();
      return Variant();
    });
    d.method("OnFolderSwitch", [](cExplorer& e, Args&) {
      e.OnFolderSwitch();
      return Variant();
    });
    d.method("OnSelectionChange", [](cExplorer& e, Args&) {
      e.OnSelectionChange();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant cExplorer::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::explorer
