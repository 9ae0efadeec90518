#include "tests/simexcel/XlsxReader.h"

#include <expat.h>
#include <zip.h>

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

void readWorksheet(const Element& xml, const std::vector<std::string>& strings, XlsxSheet& sheet) {
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
    if (!sheet.isChart) readWorksheet(archive.part(target), strings, sheet);
    book.sheets.push_back(std::move(sheet));
  });
  for (const std::string& name : archive.names()) {
    if (name.rfind("xl/charts/chart", 0) != 0) continue;
    const Element chart = archive.part(name);
    chart.each("c:f", [&](const Element& f) { book.chartReferences.push_back(f.text); });
    if (const Element* plot = chart.first("c:plotArea"))
      for (const auto& child : plot->children)
        if (child->name != "c:layout" && child->name.find("Chart") != std::string::npos)
          book.chartTypes.push_back(child->name);
  }
  return book;
}

}  // namespace qh::sim
