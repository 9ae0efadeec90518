#include "tests/simexcel/ExcelTestSupport.h"

#include <filesystem>

namespace qh::sim {

int writeRows(Object& excel, const std::vector<TimeRow>& rows) {
  int row = 3;
  for (const TimeRow& r : rows) {
    ++row;
    Args start{row, 3, r.start}, subject{row, 4, r.subject}, time{row, 5, r.hours},
        tag{row, 6, r.tag};
    for (Args* args : {&start, &subject, &time, &tag}) excel.invoke("Cells", CallKind::Put, *args);
  }
  return row;
}

void buildPivotAndChart(Object& excel, Object& workbook, int lastRow) {
  Ref<Object> dataSheet = workbook.getObject("ActiveSheet");

  const std::string source = "'Quillhour'!R3C3:R" + std::to_string(lastRow) + "C6";
  Ref<Object> cache = workbook.getObject("PivotCaches")->call("Add", 1, source).toObject();
  cache->call("CreatePivotTable", "", "QuillhourPivot");
  Ref<Object> pivotSheet = workbook.getObject("ActiveSheet");
  pivotSheet->put("Name", "Pivot Table");
  pivotSheet->call("Move", Variant::missing(), dataSheet);
  pivotSheet->call("PivotTableWizard", Variant::missing(), Variant::missing(),
                   excel.getObject("ActiveSheet")->getObject("Cells", 3, 1));
  pivotSheet->getObject("Cells", 3, 1)->call("Select");
  pivotSheet->getObject("PivotTables", "QuillhourPivot")->put("SmallGrid", false);
  pivotSheet = nullptr;

  Ref<Object> chart =
      workbook.getObject("Charts")->call("Add", Variant::missing(), dataSheet).toObject();
  chart = workbook.getObject("ActiveChart");
  chart->call("SetSourceData",
              workbook.getObject("Sheets", "Pivot Table")->getObject("Range", "A3"));
  chart->call("Location", 1);
  chart->put("Name", "Diagram");
  chart = nullptr;

  for (auto [field, orientation] : {std::pair{"Date", 3}, {"Time", 4}, {"Tag", 1}}) {
    Ref<Object> pf = workbook.getObject("ActiveChart")
                         ->getObject("PivotLayout")
                         ->getObject("PivotFields", field);
    pf->put("Orientation", orientation);
    pf->put("Position", 1);
  }
  dataSheet->call("Activate");
}

std::string templateArgument() {
  const std::filesystem::path path(QH_TEMPLATE_PATH);
  return path.parent_path().string() + "\\" + path.filename().string();
}

}  // namespace qh::sim
