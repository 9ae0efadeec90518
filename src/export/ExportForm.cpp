#include "export/ExportForm.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "export/ExportRun.h"

namespace qh::exporting {

ExportForm::ExportForm(platform::System& system) : Form(system, "Quillhour Export", 3855, 7005) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &LabelExportingFrom, &Label1, &StartDate, &Label2, &EndDate, &CheckAllDayEvents,
           &CheckNonTaggedItems, &CheckRecurringEvents, &CheckExportedItems, &CheckExportInMinutes,
           &CheckDescription, &Frame1, &CheckMarkExported, &CheckDeleteAfter, &CheckCreateDiagram,
           &CancelButton, &ExportButton})
    add(*c);
  StartDate.setMinDate(Date::fromParts(2000, 1, 1));
  StartDate.setMaxDate(Date::fromParts(2049, 12, 30));
  EndDate.setMinDate(Date::fromParts(2000, 1, 1));
  EndDate.setMaxDate(Date::fromParts(2049, 12, 31));
  StartDate.onChange([this] { AdjustEndDate(); });
  StartDate.onClick([this] { AdjustEndDate(); });
  EndDate.onChange([this] { AdjustStartDate(); });
  EndDate.onClick([this] { AdjustStartDate(); });
  CancelButton.onClick([this] { CancelButton_Click(); });
  ExportButton.onClick([this] { ExportButton_Click(); });
}

ExportForm& ExportForm::Shared() {
  Ref<forms::Form>& shared = core::globals().exportForm;
  if (!shared || shared->unloaded()) {
    auto form = makeRef<ExportForm>(core::addinSystem());
    // Closed from its frame, the dialog unloads; the next use loads it afresh.
    form->onUnloaded([] { core::globals().exportForm.reset(); });
    shared = form;
    form->load();
  }
  return static_cast<ExportForm&>(*shared);
}

void ExportForm::formLoad() {
  ExportFolder.reset();
  const Date now = system().now();
  EndDate.setValue(now);
  EndDate.setHour(0);
  EndDate.setMinute(0);
  EndDate.setSecond(0);
  StartDate.setValue(now.addDays(-7));
  StartDate.setHour(0);
  StartDate.setMinute(0);
  StartDate.setSecond(0);
}

void ExportForm::SetExportFolder(const Ref<Object>& folder) {
  ExportFolder = folder;
  try {
    Object& given = core::use(folder);
    const std::string parent = core::use(given.getObject("Parent")).get("Name").toString();
    const std::string name = given.get("Name").toString();
    LabelExportingFrom.setCaption("Exporting from: " + parent + "/" + name);
  } catch (...) {
    // The label keeps its caption; the export still uses the folder.
  }
}

void ExportForm::AdjustEndDate() {
  if (EndDate.value() < StartDate.value()) EndDate.setValue(StartDate.value().addDays(1));
}

void ExportForm::AdjustStartDate() {
  if (StartDate.value() > EndDate.value()) StartDate.setValue(EndDate.value().addDays(-1));
}

void ExportForm::CancelButton_Click() {
  ExportFolder.reset();
  hide();
}

void ExportForm::ExportButton_Click() {
  Ref<Object> keepAlive(this);  // the run may outlive a close of the dialog
  ExportRun(*this).run();
}

bool ExportForm::IsQuillhourTagged(Object& item) {
  try {
    const StringArray& tags = core::globals().TagArray;
    if (!tags.assigned) return false;
    const std::string nul(1, '\0');
    std::string list = nul;
    for (size_t i = 0; i < tags.items.size(); ++i) list += (i ? nul : "") + tags.items[i];
    list += nul;
    const std::string categories = nul + item.get("Categories").toString() + nul;
    return list.find(categories) != std::string::npos;
  } catch (...) {
    core::WriteLog("ExportButton_Click:" + describeCurrentException());
    return false;
  }
}

const DispatchTable<ExportForm>& ExportForm::table() {
  static const DispatchTable<ExportForm> t = [] {
    DispatchTable<ExportForm> d;
    d.method("SetExportFolder", [](ExportForm& f, Args& a) {
      f.SetExportFolder(requiredArg(a, 0).toObject());
      return Variant();
    });
    d.method("IsQuillhourTagged", [](ExportForm& f, Args& a) {
      return Variant(f.IsQuillhourTagged(core::use(requiredArg(a, 0).toObject())));
    });
    d.get("ExportFolder", [](ExportForm& f, Args&) { return Variant(f.ExportFolder); });
    return d;
  }();
  return t;
}

Variant ExportForm::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Form::invoke(name, kind, args);
}

}  // namespace qh::exporting
