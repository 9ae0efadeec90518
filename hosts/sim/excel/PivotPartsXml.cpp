#include "hosts/sim/excel/PivotPartsXml.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <type_traits>

#include "automation/Date.h"
#include "hosts/sim/excel/XmlText.h"

namespace qh::sim {
namespace {

constexpr const char* kNamespaces =
    " xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
constexpr const char* kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
// The data fields' place on an axis, when there are several.
constexpr int kDataFieldsPlace = -2;
constexpr int kDateTimeFormat = 22;  // Excel's built-in "m/d/yy h:mm"

void appendNumber(std::string& out, double v) {
  char buf[32];
  const auto result = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, result.ptr);
}

void appendUnsigned(std::string& out, std::size_t v) {
  char buf[24];
  const auto result = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, result.ptr);
}

// "2026-11-30T09:00:00": written digit by digit, since a full cache holds tens of thousands.
void appendIsoDate(std::string& out, double serial) {
  const Date::Parts p = Date(serial).parts();
  char buf[19];
  auto put = [&buf](int at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10)
      buf[at + i] = static_cast<char>('0' + value % 10);
  };
  put(0, std::clamp(p.year, 0, 9999), 4);
  put(5, p.month, 2);
  put(8, p.day, 2);
  put(11, p.hour, 2);
  put(14, p.minute, 2);
  put(17, p.second, 2);
  buf[4] = buf[7] = '-';
  buf[10] = 'T';
  buf[13] = buf[16] = ':';
  out.append(buf, sizeof buf);
}

template <class V>
void attribute(std::string& out, const char* name, const V& value) {
  out += ' ';
  out += name;
  out += "=\"";
  if constexpr (std::is_same_v<V, std::string>)
    xml::appendEscaped(out, value);
  else if constexpr (std::is_floating_point_v<V>)
    appendNumber(out, value);
  else if constexpr (std::is_integral_v<V>)
    out += std::to_string(value);
  else
    out += value;
  out += '"';
}

// "<name count="n">", the start of a list element.
void openList(std::string& out, const char* name, std::size_t count) {
  out += '<';
  out += name;
  attribute(out, "count", count);
  out += '>';
}

// A list of field numbers: <rowFields count="1"><field x="3"/></rowFields>.
void appendFieldList(std::string& out, const char* name, const std::vector<int>& fields) {
  openList(out, name, fields.size());
  for (int f : fields) {
    out += "<field";
    attribute(out, "x", f);
    out += "/>";
  }
  out += "</";
  out += name;
  out += '>';
}

// A record value or shared item: <n v="1.5"/>, <s v="text"/>, <d v="..."/>, <b v="1"/>, <m/>.
void appendValue(std::string& out, const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Empty:
      out += "<m/>";
      return;
    case CellValue::Kind::Number:
      out += "<n v=\"";
      appendNumber(out, v.number);
      break;
    case CellValue::Kind::Date:
      out += "<d v=\"";
      appendIsoDate(out, v.number);
      break;
    case CellValue::Kind::Boolean:
      out += v.number != 0 ? "<b v=\"1" : "<b v=\"0";
      break;
    case CellValue::Kind::Text:
    case CellValue::Kind::Formula:
      out += "<s v=\"";
      xml::appendEscaped(out, v.text);
      break;
  }
  out += "\"/>";
}

void appendIndex(std::string& out, std::uint32_t index) {
  if (index == 0) {
    out += "<x/>";
    return;
  }
  out += "<x v=\"";
  appendUnsigned(out, index);
  out += "\"/>";
}

// "C3:F9" for an area (whole columns as "C:F").
std::string plainReference(const CellArea& area) {
  std::string text = area.address();
  std::erase(text, '$');
  return text;
}

// The kinds of values a field holds, in the attributes of its shared items (each written only
// where it differs from the format's default).
void appendKinds(std::string& out, const PivotCacheFields::Field& f) {
  const bool any = f.blank || f.text || f.number || f.date || f.boolean;
  if (!any) return;
  const int kinds = f.text + f.number + f.date + f.boolean;
  if (!f.text && !f.blank && !f.boolean) attribute(out, "containsSemiMixedTypes", "0");
  if (!f.text && !f.number && !f.boolean) attribute(out, "containsNonDate", "0");
  if (f.date) attribute(out, "containsDate", "1");
  if (!f.text) attribute(out, "containsString", "0");
  if (f.blank) attribute(out, "containsBlank", "1");
  if (kinds > 1) attribute(out, "containsMixedTypes", "1");
  if (f.number) {
    attribute(out, "containsNumber", "1");
    if (f.integers) attribute(out, "containsInteger", "1");
    attribute(out, "minValue", f.minNumber);
    attribute(out, "maxValue", f.maxNumber);
  }
  if (f.date) {
    std::string min, max;
    appendIsoDate(min, f.minDate);
    appendIsoDate(max, f.maxDate);
    attribute(out, "minDate", min.c_str());
    attribute(out, "maxDate", max.c_str());
  }
  if (f.longText) attribute(out, "longText", "1");
}

const char* axisName(const PivotSpec& layout, int field) {
  auto has = [field](const std::vector<int>& list) {
    return std::find(list.begin(), list.end(), field) != list.end();
  };
  if (has(layout.rowFields)) return "axisRow";
  if (has(layout.columnFields)) return "axisCol";
  if (has(layout.pageFields)) return "axisPage";
  return nullptr;
}

// The items a table shows on an axis: one key per distinct combination of the axis fields'
// items among the records the page fields let through, in Excel's order.
std::vector<std::vector<std::uint32_t>> shownKeys(const PivotSource& source,
                                                  const PivotSpec& layout,
                                                  const PivotCacheFields& fields,
                                                  const std::vector<int>& axis) {
  std::set<std::vector<std::uint32_t>> keys;
  std::vector<std::uint32_t> key(axis.size());
  for (std::size_t r = 0; r < source.records.size(); ++r) {
    if (!PivotReport::shown(source.records[r], layout)) continue;
    for (std::size_t i = 0; i < axis.size(); ++i) key[i] = fields.position(r, axis[i]);
    keys.insert(key);
  }
  return {keys.begin(), keys.end()};
}

}  // namespace

PivotPartsXml::PivotPartsXml(const PivotTableSnapshot& table)
    : table_(table),
      source_(*table.source),
      layout_(*table.layout),
      fields_(*table.source, *table.layout) {}

std::string PivotPartsXml::cacheDefinition(const std::string& recordsRelationship) const {
  std::string out = kDeclaration;
  out += "<pivotCacheDefinition";
  out += kNamespaces;
  attribute(out, "r:id", recordsRelationship);
  attribute(out, "createdVersion", "3");
  attribute(out, "refreshedVersion", "3");
  attribute(out, "minRefreshableVersion", "3");
  attribute(out, "recordCount", source_.records.size());
  out += "><cacheSource type=\"worksheet\"><worksheetSource";
  attribute(out, "ref", plainReference(table_.sourceArea));
  attribute(out, "sheet", table_.sourceSheet);
  out += "/></cacheSource>";
  openList(out, "cacheFields", source_.fieldNames.size());
  for (std::size_t i = 0; i < source_.fieldNames.size(); ++i) {
    const PivotCacheFields::Field& f = fields_.fields()[i];
    out += "<cacheField";
    attribute(out, "name", source_.fieldNames[i]);
    attribute(out, "numFmtId", f.date ? kDateTimeFormat : 0);
    out += "><sharedItems";
    appendKinds(out, f);
    if (!f.shared) {
      out += "/></cacheField>";
      continue;
    }
    attribute(out, "count", f.items.size());
    out += '>';
    for (const CellValue* item : f.items) appendValue(out, *item);
    out += "</sharedItems></cacheField>";
  }
  out += "</cacheFields></pivotCacheDefinition>";
  return out;
}

std::string PivotPartsXml::cacheRecords() const {
  const auto& fields = fields_.fields();
  std::string out = kDeclaration;
  out.reserve(64 * source_.records.size());
  out += "<pivotCacheRecords";
  out += kNamespaces;
  attribute(out, "count", source_.records.size());
  out += '>';
  for (std::size_t r = 0; r < source_.records.size(); ++r) {
    out += "<r>";
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].shared)
        appendIndex(out, fields[i].recordItems[r]);
      else
        appendValue(out, source_.records[r][i]);
    }
    out += "</r>";
  }
  out += "</pivotCacheRecords>";
  return out;
}

std::string PivotPartsXml::tableDefinition(std::uint32_t cacheId, bool hasChart) const {
  const bool columnArea = !layout_.columnFields.empty();
  std::string out = kDeclaration;
  out += "<pivotTableDefinition";
  out += kNamespaces;
  attribute(out, "name", table_.name);
  attribute(out, "cacheId", cacheId);
  attribute(out, "dataCaption", "Values");
  attribute(out, "applyNumberFormats", "0");
  attribute(out, "applyBorderFormats", "0");
  attribute(out, "applyFontFormats", "0");
  attribute(out, "applyPatternFormats", "0");
  attribute(out, "applyAlignmentFormats", "0");
  attribute(out, "applyWidthHeightFormats", "1");
  attribute(out, "updatedVersion", "3");
  attribute(out, "minRefreshableVersion", "3");
  attribute(out, "createdVersion", "3");
  attribute(out, "useAutoFormatting", "1");
  attribute(out, "itemPrintTitles", "1");
  attribute(out, "indent", "0");
  attribute(out, "compact", "0");
  attribute(out, "compactData", "0");
  if (hasChart) attribute(out, "chartFormat", "1");
  out += "><location";
  attribute(out, "ref", plainReference(table_.body));
  attribute(out, "firstHeaderRow", "1");
  attribute(out, "firstDataRow", columnArea ? 2 : 1);
  attribute(out, "firstDataCol", layout_.rowFields.size());
  if (!layout_.pageFields.empty()) {
    attribute(out, "rowPageCount", layout_.pageFields.size());
    attribute(out, "colPageCount", "1");
  }
  out += "/>";
  appendPivotFields(out);
  appendRowItems(out);
  appendColumnItems(out);
  appendPageFields(out);
  appendDataFields(out);
  out +=
      "<pivotTableStyleInfo name=\"PivotStyleLight16\" showRowHeaders=\"1\" "
      "showColHeaders=\"1\" showRowStripes=\"0\" showColStripes=\"0\" showLastColumn=\"1\"/>";
  out += "</pivotTableDefinition>";
  return out;
}

void PivotPartsXml::appendPivotFields(std::string& out) const {
  openList(out, "pivotFields", source_.fieldNames.size());
  for (std::size_t i = 0; i < source_.fieldNames.size(); ++i) {
    const int field = static_cast<int>(i);
    const PivotCacheFields::Field& f = fields_.fields()[i];
    out += "<pivotField";
    if (const char* axis = axisName(layout_, field)) attribute(out, "axis", axis);
    if (std::find(layout_.dataFields.begin(), layout_.dataFields.end(), field) !=
        layout_.dataFields.end())
      attribute(out, "dataField", "1");
    attribute(out, "compact", "0");
    attribute(out, "outline", "0");
    attribute(out, "showAll", "0");
    if (!f.shared) {
      out += "/>";
      continue;
    }
    // The table shows no subtotals, only grand totals.
    attribute(out, "defaultSubtotal", "0");
    out += '>';
    openList(out, "items", f.sortedItems.size());
    for (std::uint32_t item : f.sortedItems) {
      out += "<item x=\"";
      appendUnsigned(out, item);
      out += "\"/>";
    }
    out += "</items></pivotField>";
  }
  out += "</pivotFields>";
}

void PivotPartsXml::appendRowItems(std::string& out) const {
  if (layout_.rowFields.empty()) {
    out += "<rowItems count=\"1\"><i/></rowItems>";
    return;
  }
  appendFieldList(out, "rowFields", layout_.rowFields);
  const auto keys = shownKeys(source_, layout_, fields_, layout_.rowFields);
  openList(out, "rowItems", keys.size() + 1);
  for (const auto& key : keys) {
    out += "<i>";
    for (std::uint32_t position : key) appendIndex(out, position);
    out += "</i>";
  }
  out += "<i t=\"grand\"><x/></i></rowItems>";
}

void PivotPartsXml::appendColumnItems(std::string& out) const {
  const std::size_t dataCount = layout_.dataFields.size();
  std::vector<int> axis = layout_.columnFields;
  if (dataCount > 1) axis.push_back(kDataFieldsPlace);
  if (!axis.empty()) appendFieldList(out, "colFields", axis);
  // Without column fields: one column per data field. With them: each shown combination of
  // their items times each data field, then a grand total per data field.
  std::string items;
  std::size_t count = 0;
  auto dataIndex = [&](std::size_t d) {
    if (d > 0) attribute(items, "i", d);
  };
  if (layout_.columnFields.empty()) {
    for (std::size_t d = 0; d < std::max<std::size_t>(dataCount, 1); ++d, ++count) {
      items += "<i";
      dataIndex(d);
      items += '>';
      if (dataCount > 1) appendIndex(items, static_cast<std::uint32_t>(d));
      items += "</i>";
    }
  } else {
    for (const auto& key : shownKeys(source_, layout_, fields_, layout_.columnFields)) {
      for (std::size_t d = 0; d < std::max<std::size_t>(dataCount, 1); ++d, ++count) {
        items += "<i";
        dataIndex(d);
        items += '>';
        for (std::uint32_t position : key) appendIndex(items, position);
        if (dataCount > 1) appendIndex(items, static_cast<std::uint32_t>(d));
        items += "</i>";
      }
    }
    for (std::size_t d = 0; d < std::max<std::size_t>(dataCount, 1); ++d, ++count) {
      items += "<i t=\"grand\"";
      dataIndex(d);
      items += "><x/></i>";
    }
  }
  openList(out, "colItems", count);
  out += items;
  out += "</colItems>";
}

void PivotPartsXml::appendPageFields(std::string& out) const {
  if (layout_.pageFields.empty()) return;
  openList(out, "pageFields", layout_.pageFields.size());
  for (int f : layout_.pageFields) {
    out += "<pageField";
    attribute(out, "fld", f);
    if (const auto selected = layout_.pageSelections.find(f);
        selected != layout_.pageSelections.end()) {
      if (const int item = fields_.positionOf(f, selected->second); item >= 0)
        attribute(out, "item", item);
    }
    attribute(out, "hier", "-1");
    out += "/>";
  }
  out += "</pageFields>";
}

void PivotPartsXml::appendDataFields(std::string& out) const {
  if (layout_.dataFields.empty()) return;
  openList(out, "dataFields", layout_.dataFields.size());
  for (int f : layout_.dataFields) {
    out += "<dataField";
    attribute(out, "name", PivotReport::dataCaption(source_, f));
    attribute(out, "fld", f);
    if (PivotReport::counts(source_, f)) attribute(out, "subtotal", "count");
    attribute(out, "baseField", "0");
    attribute(out, "baseItem", "0");
    out += "/>";
  }
  out += "</dataFields>";
}

}  // namespace qh::sim
