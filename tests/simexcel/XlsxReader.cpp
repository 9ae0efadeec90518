#include "tests/simexcel/XlsxReader.h"

#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace qh::sim {
namespace {

// A small element tree: enough to look parts of an .xlsx up by element and attribute.
struct Element {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::string text;
  std::vector<std::unique_ptr<Element>> children;

  std::string attr(const std::string& key) const {
    const auto it = attributes.find(key);
    return it == attributes.end() ? std::string() : it->second;
  }
  template <class F>
  void each(const std::string& element, F&& f) const {
    for (const auto& child : children) {
      if (child->name == element) f(*child);
      child->each(element, f);
    }
  }
  const Element* first(const std::string& element) const {
    const Element* found = nullptr;
    each(element, [&](const Element& e) {
      if (!found) found = &e;
    });
    return found;
  }
};

Element parseXml(const std::string& xml) {
  Element root;
  std::vector<Element*> stack{&root};
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &stack);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char** attrs) {
        auto& stack = *static_cast<std::vector<Element*>*>(data);
        auto element = std::make_unique<Element>();
        element->name = name;
        for (int i = 0; attrs[i]; i += 2) element->attributes[attrs[i]] = attrs[i + 1];
        Element* raw = element.get();
        stack.back()->children.push_back(std::move(element));
        stack.push_back(raw);
      },
      [](void* data, const XML_Char*) { static_cast<std::vector<Element*>*>(data)->pop_back(); });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int len) {
    static_cast<std::vector<Element*>*>(data)->back()->text.append(s, len);
  });
  const bool ok = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  if (!ok) throw std::runtime_error("malformed XML part");
  return root;
}

class Archive {
 public:
  explicit Archive(const std::filesystem::path& path) {
    int error = 0;
    zip_ = zip_open(path.string().c_str(), ZIP_RDONLY, &error);
    if (!zip_) throw std::runtime_error("not a zip file: " + path.string());
  }
  ~Archive() { zip_close(zip_); }

  bool has(const std::string& name) const { return zip_name_locate(zip_, name.c_str(), 0) >= 0; }
  Element part(const std::string& name) const {
    zip_stat_t st;
    if (zip_stat(zip_, name.c_str(), 0, &st) != 0) throw std::runtime_error("missing part " + name);
    zip_file_t* file = zip_fopen(zip_, name.c_str(), 0);
    std::string data(st.size, '\0');
    const zip_int64_t n = zip_fread(file, data.data(), st.size);
    zip_fclose(file);
    if (n != static_cast<zip_int64_t>(st.size)) throw std::runtime_error("cannot read " + name);
    return parseXml(data);
  }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip_, 0); ++i)
      out.push_back(zip_get_name(zip_, i, 0));
    return out;
  }

 private:
  zip_t* zip_;
};

// The part a relationship target of `from` stands for ("../pivotTables/x.xml" from
// "xl/worksheets/sheet1.xml" is "xl/pivotTables/x.xml").
std::string resolve(const std::string& from, const std::string& target) {
  std::vector<std::string> path;
  std::string folder = from.substr(0, from.rfind('/') == std::string::npos ? 0 : from.rfind('/'));
  for (std::size_t start = 0; !folder.empty() && start <= folder.size();) {
    const std::size_t end = std::min(folder.find('/', start), folder.size());
    path.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t start = 0; start <= target.size();) {
    const std::size_t end = std::min(target.find('/', start), target.size());
    const std::string piece = target.substr(start, end - start);
    if (piece == "..")
      path.pop_back();
    else if (!piece.empty() && piece != ".")
      path.push_back(piece);
    start = end + 1;
  }
  std::string out;
  for (const std::string& piece : path) out += (out.empty() ? "" : "/") + piece;
  return out;
}

// The targets of a part's relationships of a type ("pivotTable"), as package paths.
std::vector<std::string> related(const Archive& archive, const std::string& part,
                                 const std::string& type) {
  const std::size_t slash = part.rfind('/');
  const std::string rels = part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
  std::vector<std::string> out;
  if (!archive.has(rels)) return out;
  archive.part(rels).each("Relationship", [&](const Element& r) {
    const std::string t = r.attr("Type");
    if (t.size() > type.size() && t.compare(t.size() - type.size(), type.size(), type) == 0)
      out.push_back(resolve(part, r.attr("Target")));
  });
  return out;
}

// Each cell format's font and number format, by its index.
std::vector<XlsxLook> readLooks(const Archive& archive) {
  std::vector<XlsxLook> looks;
  if (!archive.has("xl/styles.xml")) return looks;
  const Element styles = archive.part("xl/styles.xml");
  std::map<std::string, std::string> formats{{"0", "General"}};
  styles.each("numFmt",
              [&](const Element& f) { formats[f.attr("numFmtId")] = f.attr("formatCode"); });
  std::vector<std::string> fonts;
  if (const Element* list = styles.first("fonts"))
    for (const auto& font : list->children) {
      std::string name, size, bold;
      for (const auto& p : font->children) {
        if (p->name == "name") name = p->attr("val");
        if (p->name == "sz") size = p->attr("val");
        if (p->name == "b" && p->attr("val") != "0" && p->attr("val") != "false") bold = " bold";
      }
      fonts.push_back(name + " " + size + bold);
    }
  if (const Element* xfs = styles.first("cellXfs"))
    for (const auto& xf : xfs->children) {
      const std::string id = xf->attr("numFmtId").empty() ? "0" : xf->attr("numFmtId");
      const std::size_t font = xf->attr("fontId").empty() ? 0 : std::stoul(xf->attr("fontId"));
      looks.push_back({font < fonts.size() ? fonts[font] : "",
                       formats.count(id) ? formats.at(id) : "built-in " + id});
    }
  return looks;
}

XlsxPivot readPivot(const Archive& archive, const std::string& part) {
  XlsxPivot pivot;
  const Element table = archive.part(part);
  if (const Element* root = table.first("pivotTableDefinition")) pivot.name = root->attr("name");
  if (const Element* location = table.first("location")) pivot.location = location->attr("ref");
  table.each("pivotField", [&](const Element& f) {
    pivot.axes.push_back(f.attr("axis"));
    const Element* items = f.first("items");
    pivot.itemCounts.push_back(items ? static_cast<int>(items->children.size()) : 0);
  });
  if (const Element* rows = table.first("rowItems"))
    pivot.rowItems = static_cast<int>(rows->children.size());
  table.each("dataField", [&](const Element& d) { pivot.dataFields.push_back(d.attr("name")); });

  for (const std::string& cachePart : related(archive, part, "/pivotCacheDefinition")) {
    const Element cache = archive.part(cachePart);
    if (const Element* source = cache.first("worksheetSource")) {
      pivot.sourceSheet = source->attr("sheet");
      pivot.sourceRef = source->attr("ref");
    }
    if (const Element* root = cache.first("pivotCacheDefinition"))
      pivot.recordCount = std::stoi(root->attr("recordCount"));
    cache.each("cacheField", [&](const Element& f) {
      pivot.fieldNames.push_back(f.attr("name"));
      auto& items = pivot.sharedItems.emplace_back();
      if (const Element* shared = f.first("sharedItems"))
        for (const auto& item : shared->children) items.push_back(item->attr("v"));
    });
    for (const std::string& recordsPart : related(archive, cachePart, "/pivotCacheRecords"))
      archive.part(recordsPart).each("r", [&](const Element& r) {
        auto& record = pivot.records.emplace_back();
        for (const auto& v : r.children) {
          const std::size_t field = record.size();
          record.push_back(v->name == "x" ? pivot.sharedItems.at(field).at(
                                                v->attr("v").empty() ? 0 : std::stoul(v->attr("v")))
                                          : v->attr("v"));
        }
      });
  }
  return pivot;
}

void readWorksheet(const Element& xml, const std::vector<std::string>& strings,
                   const std::vector<XlsxLook>& looks, XlsxSheet& sheet) {
  xml.each("col", [&](const Element& col) {
    if (col.attr("hidden") != "1") return;
    for (int c = std::stoi(col.attr("min")); c <= std::stoi(col.attr("max")); ++c)
      sheet.hiddenColumns.insert(c);
  });
  xml.each("c", [&](const Element& c) {
    const std::string ref = c.attr("r");
    const Element* v = c.first("v");
    const Element* f = c.first("f");
    if (f) sheet.formulas[ref] = f->text;
    const std::size_t style = c.attr("s").empty() ? 0 : std::stoul(c.attr("s"));
    if (style < looks.size()) sheet.looks[ref] = looks[style];
    if (c.attr("t") == "inlineStr") {
      std::string text;
      c.each("t", [&](const Element& t) { text += t.text; });
      sheet.values[ref] = text;
      return;
    }
    if (!v) return;
    sheet.values[ref] = c.attr("t") == "s" ? strings.at(std::stoul(v->text)) : v->text;
  });
}

}  // namespace

const XlsxSheet& XlsxBook::sheet(const std::string& name) const {
  for (const auto& s : sheets)
    if (s.name == name) return s;
  throw std::runtime_error("no sheet " + name);
}

XlsxBook readXlsx(const std::filesystem::path& path) {
  const Archive archive(path);
  std::vector<std::string> strings;
  if (archive.has("xl/sharedStrings.xml")) {
    archive.part("xl/sharedStrings.xml").each("si", [&](const Element& si) {
      std::string text;
      si.each("t", [&](const Element& t) { text += t.text; });
      strings.push_back(text);
    });
  }
  std::map<std::string, std::string> targets;
  archive.part("xl/_rels/workbook.xml.rels").each("Relationship", [&](const Element& r) {
    targets[r.attr("Id")] = "xl/" + r.attr("Target");
  });

  const std::vector<XlsxLook> looks = readLooks(archive);
  XlsxBook book;
  const Element workbook = archive.part("xl/workbook.xml");
  if (const Element* view = workbook.first("workbookView");
      view && !view->attr("activeTab").empty())
    book.activeTab = std::stoi(view->attr("activeTab"));
  workbook.each("sheet", [&](const Element& s) {
    XlsxSheet sheet;
    sheet.name = s.attr("name");
    const std::string target = targets.at(s.attr("r:id"));
    sheet.isChart = target.find("chartsheets/") != std::string::npos;
    if (!sheet.isChart) {
      readWorksheet(archive.part(target), strings, looks, sheet);
      for (const std::string& table : related(archive, target, "/pivotTable"))
        sheet.pivots.push_back(readPivot(archive, table));
    }
    book.sheets.push_back(std::move(sheet));
  });
  for (const std::string& name : archive.names()) {
    if (name.rfind("xl/charts/chart", 0) != 0) continue;
    const Element chart = archive.part(name);
    chart.each("c:f", [&](const Element& f) { book.chartReferences.push_back(f.text); });
    if (const Element* source = chart.first("c:pivotSource"))
      if (const Element* name = source->first("c:name"))
        book.chartPivotSources.push_back(name->text);
    if (const Element* plot = chart.first("c:plotArea"))
      for (const auto& child : plot->children)
        if (child->name != "c:layout" && child->name.find("Chart") != std::string::npos)
          book.chartTypes.push_back(child->name);
  }
  return book;
}

}  // namespace qh::sim
