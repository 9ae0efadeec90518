#include "export/ExportRun.h"

#include "core/Globals.h"
#include "core/HostConstants.h"
#include "core/cAddin.h"
#include "export/ExportForm.h"
#include "export/OutlookModule.h"

namespace qh::exporting {

using core::use;

namespace {

constexpr int xlDatabase = 1;
constexpr int xlLocationAsNewSheet = 1;
constexpr int xlRowField = 1;
constexpr int xlPageField = 3;
constexpr int xlDataField = 4;
constexpr const char* kExportError = "Export Error";

// Text Excel would take as a formula reaches the workbook as text: Excel's text prefix "'"
// keeps an appointment's subject, tag or description from running as a formula.
Variant asText(const std::string& text) {
  if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@'))
    return Variant("'" + text);
  return Variant(text);
}

}  // namespace

ExportRun::ExportRun(ExportForm& form) : form_(form) {}

ExportRun::~ExportRun() = default;

void ExportRun::run() {
  steps_([&] { form_.hide(); });
  if (!createExcel()) {
    alert("Could not open Microsoft Excel for export.");
    return finish();
  }
  openWorkbook();
  if (!chooseFolder()) {
    alert("Could not open Calendar folder for export.");
    return finish();
  }
  selectTimes();
  if (form_.CheckDescription.checked()) showDescriptionColumn();
  if (form_.CheckCreateDiagram.checked()) {
    buildPivotTable();
    buildChart();
    layoutChart();
  }
  // Times leave the calendar only once the workbook that holds their rows is the user's: with
  // the hand-over failing, the marked Times stay, to be deleted by a later run.
  if (handOver()) deletionPass();
  finish();
}

bool ExportRun::createExcel() {
  steps_([&] { excel_ = core::addinApplication().getObject("CreateObject", "Excel.Application"); });
  return static_cast<bool>(excel_);
}

void ExportRun::openWorkbook() {
  const std::string folder = core::addinSystem().moduleFolder();
  steps_([&] {
    workbook_ = use(excel_->getObject("Workbooks")).getObject("Add", folder + "\\Quillhour.xlt");
  });
  if (!workbook_) {
    alert("Could not open template " + folder + "\\Quillhour.xlt. Exporting to new workbook.");
    steps_([&] { workbook_ = use(excel_->getObject("Workbooks")).getObject("Add"); });
  }
}

bool ExportRun::chooseFolder() {
  folder_ = form_.exportFolder();
  if (!folder_)
    steps_([&] {
      folder_ = core::addinNameSpace().getObject("GetDefaultFolder", core::olFolderCalendar);
    });
  return static_cast<bool>(folder_);
}

std::string ExportRun::filterDate(Date d, bool withTime) const {
  platform::System& system = core::addinSystem();
  std::string text = system.shortDate(d);
  if (!withTime) return text;
  // "ddddd h:nn AMPM": the hour on the 12-hour clock without a leading zero.
  const Date::Parts p = d.parts();
  const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
  char minutes[3];
  std::snprintf(minutes, sizeof minutes, "%02d", p.minute);
  return text + " " + std::to_string(hour12) + system.timeSeparator() + minutes + " " +
         (p.hour < 12 ? system.amDesignator() : system.pmDesignator());
}

void ExportRun::selectTimes() {
  const Date start = form_.StartDate.value().dateOnly();
  const Date end = form_.EndDate.value().addDays(1).dateOnly();
  const std::string filter = "[Start] >= '" + filterDate(start, false) + "' And [Start] < '" +
                             filterDate(end, false) + "'";
  Ref<Object> items, item;
  steps_([&] { items = use(folder_->getObject("Items")).getObject("Restrict", filter); });
  steps_([&] { use(items).call("Sort", "[Start]"); });
  steps_([&] { use(items).put("IncludeRecurrences", true); });
  steps_([&] { item = use(items).getObject("GetFirst"); });
  row_ = 3;
  while (item) {
    if (!skipped(*item)) {
      if (row_ == INT16_MAX) {
        // One sheet takes rows 4 to 32767; the Times beyond are left alone, unmarked.
        alert("The date range holds more Times than one sheet takes. Only the first " +
              std::to_string(exported_) + " Times were exported.");
        break;
      }
      ++row_;
      if (writeRow(*item)) {
        ++exported_;
        writeMarks(*item);
      }
      // A Saved that cannot be read still lets the Save it guards run.
      if (steps_.test([&] { return !item->get("Saved").toBool(); }))
        steps_([&] { item->call("Save"); });
    }
    bool advanced = false;
    steps_([&] {
      item = use(items).getObject("GetNext");
      advanced = true;
    });
    if (!advanced) break;  // a collection that cannot go on ends the selection
  }
}

bool ExportRun::skipped(Object& item) {
  try {
    if (item.get("Class").toInt32() != core::olAppointment) return true;
    if (item.get("AllDayEvent").toBool() && !form_.CheckAllDayEvents.checked()) return true;
    if (!form_.CheckNonTaggedItems.checked() && !form_.IsQuillhourTagged(item)) return true;
    if (item.get("IsRecurring").toBool() && !form_.CheckRecurringEvents.checked()) return true;
    if (!form_.CheckExportedItems.checked() &&
        GetUserProperty(item, "QuillhourExported", kKindYesNo, "").toBool())
      return true;
    return false;
  } catch (...) {
    core::WriteLog(steps_.tag() + describeCurrentException());
    return true;
  }
}

bool ExportRun::setCell(int column, const Variant& value) {
  bool written = false;
  steps_([&] {
    // Excel.Cells is reached for every cell, as each cell is set by a statement of its own.
    use(use(excel_->getObject("Cells")).getObject("Item", static_cast<int>(row_), column))
        .put("Value", value);
    written = true;
  });
  return written;
}

bool ExportRun::writeRow(Object& item) {
  bool complete = true;
  auto cell = [&](int column, auto read) {
    Variant value;
    bool readOk = false;
    steps_([&] {
      value = read();
      readOk = true;
    });
    complete = (readOk && setCell(column, value)) && complete;
  };
  cell(3, [&] { return item.get("Start"); });
  cell(4, [&] { return asText(item.get("Subject").toString()); });
  cell(5, [&] {
    const Variant minutes = item.get("Duration");
    return form_.CheckExportInMinutes.checked() ? minutes : Variant(minutes.toInt32() / 60.0);
  });
  cell(6, [&] { return asText(item.get("Categories").toString()); });
  if (form_.CheckDescription.checked())
    cell(7, [&] { return asText(item.get("Body").toString()); });
  return complete;
}

void ExportRun::writeMarks(Object& item) {
  if (form_.CheckMarkExported.checked())
    steps_([&] {
      SetUserProperty(&item, "QuillhourExported", core::addinSystem().now(), kKindDate, false);
    });
  if (form_.CheckDeleteAfter.checked())
    steps_([&] {
      // Only a Time known not to be recurring is marked for deletion.
      if (!item.get("IsRecurring").toBool())
        SetUserProperty(&item, "QuillhourDeleted", true, kKindYesNo, false);
    });
}

void ExportRun::deletionPass() {
  const std::string filter = "[Start] >= '" + filterDate(form_.StartDate.value(), true) +
                             "' And [Start] <= '" + filterDate(form_.EndDate.value(), true) + "'";
  Ref<Object> items, item;
  steps_([&] { items = use(folder_->getObject("Items")).getObject("Restrict", filter); });
  steps_([&] { item = use(items).getObject("GetLast"); });
  while (item) {
    bool marked = false;
    steps_([&] {
      // An unreadable mark reads as no value, never as true: such a Time stays.
      marked = item->get("Class").toInt32() == core::olAppointment &&
               GetUserProperty(*item, "QuillhourDeleted", kKindYesNo, "").toBool();
    });
    if (marked) {
      DeleteUserProperty(item.get(), "QuillhourDeleted");
      steps_([&] { item->call("Save"); });
      steps_([&] { item->call("Delete"); });
    }
    bool advanced = false;
    steps_([&] {
      item = use(items).getObject("GetPrevious");
      advanced = true;
    });
    if (!advanced) break;
  }
}

void ExportRun::showDescriptionColumn() {
  steps_([&] {
    use(use(excel_->getObject("Columns", "G:G")).getObject("EntireColumn")).put("Hidden", false);
  });
}

void ExportRun::buildPivotTable() {
  steps_([&] { dataSheet_ = use(workbook_).getObject("ActiveSheet"); });
  const std::string source = "'Quillhour'!R3C3:R" + std::to_string(row_.value()) + "C6";
  steps_([&] {
    Ref<Object> cache =
        use(use(workbook_).getObject("PivotCaches")).getObject("Add", xlDatabase, source);
    use(cache).call("CreatePivotTable", "", "QuillhourPivot");
  });
  Ref<Object> pivotSheet;
  steps_([&] { pivotSheet = use(workbook_).getObject("ActiveSheet"); });
  steps_([&] { use(pivotSheet).put("Name", "Pivot Table"); });
  steps_([&] { use(pivotSheet).call("Move", Variant::missing(), dataSheet_); });
  steps_([&] {
    Ref<Object> destination =
        use(use(excel_->getObject("ActiveSheet")).getObject("Cells")).getObject("Item", 3, 1);
    use(pivotSheet).call("PivotTableWizard", Variant::missing(), Variant::missing(), destination);
  });
  steps_(
      [&] { use(use(use(pivotSheet).getObject("Cells")).getObject("Item", 3, 1)).call("Select"); });
  steps_([&] {
    use(use(pivotSheet).getObject("PivotTables", "QuillhourPivot")).put("SmallGrid", false);
  });
  pivotSheet.reset();
}

void ExportRun::buildChart() {
  Ref<Object> chart;
  steps_(
      [&] { use(use(workbook_).getObject("Charts")).call("Add", Variant::missing(), dataSheet_); });
  steps_([&] { chart = use(workbook_).getObject("ActiveChart"); });
  steps_([&] {
    Ref<Object> source =
        use(use(workbook_).getObject("Sheets", "Pivot Table")).getObject("Range", "A3");
    use(chart).call("SetSourceData", source);
  });
  steps_([&] { use(chart).call("Location", xlLocationAsNewSheet); });
  steps_([&] { use(chart).put("Name", "Diagram"); });
  chart.reset();
}

void ExportRun::layoutChart() {
  const struct {
    const char* field;
    int orientation;
  } fields[] = {{"Date", xlPageField}, {"Time", xlDataField}, {"Tag", xlRowField}};
  for (const auto& f : fields) {
    auto field = [&]() -> Ref<Object> {
      return use(use(use(workbook_).getObject("ActiveChart")).getObject("PivotLayout"))
          .getObject("PivotFields", f.field);
    };
    steps_([&] { use(field()).put("Orientation", f.orientation); });
    steps_([&] { use(field()).put("Position", 1); });
  }
  steps_([&] { use(dataSheet_).call("Activate"); });
}

bool ExportRun::handOver() {
  bool handed = false;
  steps_([&] {
    excel_->put("Visible", true);
    handed = true;
  });
  return handed;
}

void ExportRun::alert(const std::string& text) {
  steps_([&] { use(core::globals().gAddin).OutlookAlert(kExportError, text); });
}

void ExportRun::finish() {
  form_.clearExportFolder();
  dataSheet_.reset();
  folder_.reset();
  workbook_.reset();
  excel_.reset();
}

}  // namespace qh::exporting
