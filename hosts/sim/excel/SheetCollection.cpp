#include "hosts/sim/excel/SheetCollection.h"

#include "hosts/sim/excel/Chart.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {

SheetCollection::SheetCollection(Ref<Workbook> workbook, Filter filter)
    : workbook_(std::move(workbook)), filter_(filter) {}

const DispatchTable<SheetCollection>& SheetCollection::table() {
  static const DispatchTable<SheetCollection> t = [] {
    DispatchTable<SheetCollection> d;
    d.get("Count", [](SheetCollection& c, Args&) -> Variant {
      return static_cast<int>(c.members().size());
    });
    d.get("Item", [](SheetCollection& c, Args& a) { return c.item(a); });
    d.get("", [](SheetCollection& c, Args& a) { return c.item(a); });
    d.method("Add", [](SheetCollection& c, Args& a) { return c.add(a); });
    d.get("Parent", [](SheetCollection& c, Args&) -> Variant { return Ref<Object>(c.workbook_); });
    return d;
  }();
  return t;
}

std::vector<Sheet*> SheetCollection::members() const {
  std::vector<Sheet*> out;
  for (std::size_t i = 0; i < workbook_->sheetCount(); ++i) {
    Sheet& sheet = workbook_->sheetAt(i);
    if (filter_ == Filter::All ||
        (filter_ == Filter::Worksheets) == (sheet.kind() == Sheet::Kind::Worksheet))
      out.push_back(&sheet);
  }
  return out;
}

Variant SheetCollection::item(Args& args) {
  const Variant& key = requiredArg(args, 0);
  const std::vector<Sheet*> sheets = members();
  if (key.isString() && !key.isNumeric()) {
    for (Sheet* sheet : sheets)
      if (sameSheetName(sheet->name(), key.asString())) return sheet;
    throw subscriptOutOfRange();
  }
  const int index = key.toInt32();
  if (index < 1 || index > static_cast<int>(sheets.size())) throw subscriptOutOfRange();
  return sheets[index - 1];
}

Variant SheetCollection::add(Args& args) {
  const char* className = filter_ == Filter::Charts ? "Charts" : "Sheets";
  const std::size_t index =
      workbook_->insertionIndex(argAt(args, 0), argAt(args, 1), "Add", className);
  Ref<Sheet> sheet;
  if (filter_ == Filter::Charts)
    sheet = Chart::addTo(*workbook_, index);
  else
    sheet = workbook_->addWorksheet(index);
  workbook_->activate(*sheet);
  return Ref<Object>(sheet);
}

}  // namespace qh::sim
