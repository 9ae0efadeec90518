#include "hosts/sim/excel/Range.h"

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelArgs.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/Worksheet.h"

namespace qh::sim {
Range::Range(Ref<Worksheet> sheet, CellArea area) : sheet_(std::move(sheet)), area_(area) {}

const DispatchTable<Range>& Range::table() {
  static const DispatchTable<Range> t = [] {
    DispatchTable<Range> d;
    auto put = [](Range& r, Args& a) -> Variant {
      r.assign(putValue(a));
      return {};
    };
    d.get("Value", [](Range& r, Args&) { return r.value(); });
    d.put("Value", put);
    d.get("Value2", [](Range& r, Args&) -> Variant {
      const Variant v = r.value();
      return v.type() == Variant::Type::Date ? Variant(v.toDouble()) : v;
    });
    d.put("Value2", put);
    d.get("Formula", [](Range& r, Args&) -> Variant {
      const CellValue& v = r.sheet_->cells().get(r.area_.top, r.area_.left);
      return v.kind == CellValue::Kind::Formula ? v.text : v.displayText();
    });
    d.put("Formula", put);
    d.get("HasFormula", [](Range& r, Args&) -> Variant {
      return r.sheet_->cells().get(r.area_.top, r.area_.left).kind == CellValue::Kind::Formula;
    });
    d.get("PrefixCharacter", [](Range& r, Args&) -> Variant {
      return r.sheet_->cells().get(r.area_.top, r.area_.left).quotePrefix ? "'" : "";
    });
    d.get("Text", [](Range& r, Args&) -> Variant {
      return r.sheet_->cells().get(r.area_.top, r.area_.left).displayText();
    });
    d.get("", [](Range& r, Args& a) { return r.defaultGet(a); });
    d.put("", [](Range& r, Args& a) { return r.defaultPut(a); });
    d.get("Item", [](Range& r, Args& a) -> Variant {
      return Ref<Object>(r.relativeCell(requiredArg(a, 0), requiredArg(a, 1)));
    });
    d.put("Item", [](Range& r, Args& a) { return r.defaultPut(a); });
    d.get("Cells", [](Range& r, Args& a) -> Variant {
      if (a.empty()) return Ref<Object>(&r);
      return Ref<Object>(r.relativeCell(requiredArg(a, 0), requiredArg(a, 1)));
    });
    d.method("Select", [](Range& r, Args&) -> Variant {
      r.select();
      return true;
    });
    d.method("Activate", [](Range& r, Args&) -> Variant {
      r.select();
      return true;
    });
    d.method("ClearContents", [](Range& r, Args&) -> Variant {
      r.sheet_->cells().clear(r.area_);
      return true;
    });
    d.get("EntireColumn", [](Range& r, Args&) -> Variant {
      return Ref<Object>(r.sheet_->range(CellArea::columns(r.area_.left, r.area_.right)));
    });
    d.get("EntireRow", [](Range& r, Args&) -> Variant {
      return Ref<Object>(r.sheet_->range(CellArea::rows(r.area_.top, r.area_.bottom)));
    });
    d.get("Hidden", [](Range& r, Args&) { return r.hidden(); });
    d.put("Hidden", [](Range& r, Args& a) -> Variant {
      r.setHidden(putValue(a).toBool());
      return {};
    });
    d.get("Row", [](Range& r, Args&) -> Variant { return r.area_.top; });
    d.get("Column", [](Range& r, Args&) -> Variant { return r.area_.left; });
    d.get("Count",
          [](Range& r, Args&) -> Variant { return static_cast<double>(r.area_.cellCount()); });
    d.get("Address", [](Range& r, Args&) -> Variant { return r.area_.address(); });
    d.get("Worksheet", [](Range& r, Args&) -> Variant { return Ref<Object>(r.sheet_); });
    d.get("Parent", [](Range& r, Args&) -> Variant { return Ref<Object>(r.sheet_); });
    return d;
  }();
  return t;
}

Variant Range::value() const {
  return sheet_->cells().get(area_.top, area_.left).toVariant();
}

void Range::assign(const Variant& v) {
  const CellValue value = CellValue::fromAssigned(v);
  if (value.isEmpty()) {
    sheet_->cells().clear(area_);
    return;
  }
  for (int row = area_.top; row <= area_.bottom; ++row)
    for (int column = area_.left; column <= area_.right; ++column)
      sheet_->cells().set(row, column, value);
}

// Range(...)(r, c) is Item; Range(...) alone is its Value.
Variant Range::defaultGet(Args& args) {
  if (args.empty()) return value();
  return Ref<Object>(relativeCell(args[0], argAt(args, 1).isMissing() ? Variant(1) : args[1]));
}

Variant Range::defaultPut(Args& args) {
  if (args.size() == 3) {
    relativeCell(args[0], args[1])->assign(args[2]);
  } else {
    assign(putValue(args));
  }
  return {};
}

Ref<Range> Range::relativeCell(const Variant& row, const Variant& column) const {
  const int r = area_.top + rowArg(row) - 1;
  const int c = area_.left + columnArg(column) - 1;
  if (r > CellArea::kMaxRow || c > CellArea::kMaxColumn) throw objectDefinedError();
  return sheet_->range(CellArea::cell(r, c));
}

Variant Range::hidden() const {
  if (!area_.isEntireColumns()) throw unableToGet("Hidden", "Range");
  bool any = false, all = true;
  for (int c = area_.left; c <= area_.right; ++c) {
    const bool h = sheet_->columns().hidden(c);
    any = any || h;
    all = all && h;
  }
  if (any && !all) return Variant::null();
  return all;
}

void Range::setHidden(bool hidden) {
  if (!area_.isEntireColumns()) throw unableToSet("Hidden", "Range");
  sheet_->columns().setHidden(area_.left, area_.right, hidden);
}

void Range::select() {
  Workbook* book = sheet_->workbook();
  const bool activeBook =
      book && (!book->application() || book->application()->activeWorkbook() == book);
  if (!activeBook || book->activeSheet() != sheet_.get()) throw methodFailed("Select", "Range");
  sheet_->setSelection(area_);
}

}  // namespace qh::sim
