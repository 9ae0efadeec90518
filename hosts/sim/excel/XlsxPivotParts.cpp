#include "hosts/sim/excel/XlsxPivotParts.h"

#include <initializer_list>
#include <map>
#include <set>
#include <stdexcept>

#include "hosts/sim/excel/PackageRelations.h"
#include "hosts/sim/excel/PivotPartsXml.h"
#include "hosts/sim/excel/XmlScan.h"
#include "hosts/sim/excel/XmlText.h"
#include "hosts/sim/excel/ZipPackage.h"

namespace qh::sim {
namespace {

constexpr const char* kWorkbookPart = "xl/workbook.xml";
constexpr const char* kContentTypesPart = "[Content_Types].xml";
constexpr const char* kSpreadsheetTypes =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.";

// Inserts text before the first of the markers found (the elements the schema puts after it).
void insertBefore(std::string& xml, std::initializer_list<const char*> markers,
                  const std::string& text, const std::string& part) {
  std::size_t at = std::string::npos;
  for (const char* marker : markers) at = std::min(at, xml.find(marker));
  if (at == std::string::npos) throw std::runtime_error("unexpected content in " + part);
  xml.insert(at, text);
}

std::string overrideOf(const std::string& part, const char* type) {
  return "<Override PartName=\"/" + part + "\" ContentType=\"" + kSpreadsheetTypes + type +
         "+xml\"/>";
}

class PivotPackage {
 public:
  PivotPackage(const std::filesystem::path& path, const WorkbookSnapshot& workbook)
      : package_(path), workbook_(workbook), bookRelations_(package_, kWorkbookPart) {
    for (const xml::Attributes& sheet : xml::elementsNamed(package_.read(kWorkbookPart), "sheet"))
      if (sheet.count("name") && sheet.count("r:id"))
        sheetParts_[sheet.at("name")] = bookRelations_.target(sheet.at("r:id"));
    for (const SheetSnapshot& sheet : workbook.sheets)
      if (!sheet.pivotTable.empty()) charted_.insert({sheet.pivotSheet, sheet.pivotTable});
  }

  void write(const std::string& fileName) {
    for (const SheetSnapshot& sheet : workbook_.sheets)
      for (const PivotTableSnapshot& table : sheet.pivotTables) addTable(sheet, table);
    if (cacheList_.empty()) return;
    bookRelations_.save();
    std::string book = package_.read(kWorkbookPart);
    insertBefore(book,
                 {"<smartTagPr", "<smartTagTypes", "<webPublishing", "<fileRecoveryPr",
                  "<webPublishObjects", "<extLst", "</workbook>"},
                 "<pivotCaches>" + cacheList_ + "</pivotCaches>", kWorkbookPart);
    package_.put(kWorkbookPart, std::move(book));
    std::string types = package_.read(kContentTypesPart);
    insertBefore(types, {"</Types>"}, overrides_, kContentTypesPart);
    package_.put(kContentTypesPart, std::move(types));
    for (const SheetSnapshot& sheet : workbook_.sheets)
      if (written_.count({sheet.pivotSheet, sheet.pivotTable})) makePivotChart(sheet, fileName);
    package_.commit();
  }

 private:
  std::string sheetPart(const std::string& name) const {
    const auto it = sheetParts_.find(name);
    if (it == sheetParts_.end() || it->second.empty())
      throw std::runtime_error("no part for sheet " + name);
    return it->second;
  }

  void addTable(const SheetSnapshot& sheet, const PivotTableSnapshot& table) {
    const std::uint32_t id = ++tables_;
    const std::string n = std::to_string(id);
    const std::string cachePart = "xl/pivotCache/pivotCacheDefinition" + n + ".xml";
    const std::string recordsPart = "xl/pivotCache/pivotCacheRecords" + n + ".xml";
    const std::string tablePart = "xl/pivotTables/pivotTable" + n + ".xml";
    const PivotPartsXml parts(table);
    written_.insert({sheet.name, table.name});

    PackageRelations cacheRelations(package_, cachePart);
    const std::string records = cacheRelations.add("pivotCacheRecords", recordsPart);
    package_.put(cachePart, parts.cacheDefinition(records));
    package_.put(recordsPart, parts.cacheRecords());
    cacheRelations.save();
    cacheList_ += "<pivotCache cacheId=\"" + n + "\" r:id=\"" +
                  bookRelations_.add("pivotCacheDefinition", cachePart) + "\"/>";

    package_.put(tablePart, parts.tableDefinition(id, charted_.count({sheet.name, table.name})));
    PackageRelations tableRelations(package_, tablePart);
    tableRelations.add("pivotCacheDefinition", cachePart);
    tableRelations.save();
    PackageRelations sheetRelations(package_, sheetPart(sheet.name));
    sheetRelations.add("pivotTable", tablePart);
    sheetRelations.save();

    overrides_ += overrideOf(cachePart, "pivotCacheDefinition") +
                  overrideOf(recordsPart, "pivotCacheRecords") +
                  overrideOf(tablePart, "pivotTable");
  }

  // The chart names its table as "[file]sheet!table"; the format number ties it to the
  // table's chart formats. Its series keep their references to the table's cells, which is
  // what a reader without pivot charts plots.
  void makePivotChart(const SheetSnapshot& sheet, const std::string& fileName) {
    const std::string drawing =
        PackageRelations(package_, sheetPart(sheet.name)).targetOfType("drawing");
    const std::string chart =
        drawing.empty() ? std::string() : PackageRelations(package_, drawing).targetOfType("chart");
    if (chart.empty()) throw std::runtime_error("no chart part for sheet " + sheet.name);
    std::string xml = package_.read(chart);
    insertBefore(
        xml, {"<c:protection", "<c:chart>"},
        "<c:pivotSource><c:name>" +
            xml::escaped("[" + fileName + "]" + sheet.pivotSheet + "!" + sheet.pivotTable) +
            "</c:name><c:fmtId val=\"0\"/></c:pivotSource>",
        chart);
    insertBefore(xml, {"<c:view3D", "<c:floor", "<c:sideWall", "<c:backWall", "<c:plotArea"},
                 "<c:pivotFmts/>", chart);
    package_.put(chart, std::move(xml));
  }

  ZipPackage package_;
  const WorkbookSnapshot& workbook_;
  PackageRelations bookRelations_;
  std::map<std::string, std::string> sheetParts_;
  std::set<std::pair<std::string, std::string>> charted_;  // (sheet, table) a chart shows
  std::set<std::pair<std::string, std::string>> written_;  // (sheet, table) in the package
  std::uint32_t tables_ = 0;
  std::string cacheList_;
  std::string overrides_;
};

}  // namespace

void addPivotParts(const std::filesystem::path& path, const WorkbookSnapshot& workbook) {
  PivotPackage(path, workbook).write(path.filename().string());
}

}  // namespace qh::sim
