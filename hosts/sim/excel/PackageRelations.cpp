#include "hosts/sim/excel/PackageRelations.h"

#include <algorithm>

#include "hosts/sim/excel/XmlScan.h"
#include "hosts/sim/excel/XmlText.h"
#include "hosts/sim/excel/ZipPackage.h"

namespace qh::sim {
namespace {

std::vector<std::string> segments(const std::string& path) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    out.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::string folderOf(const std::string& part) {
  const std::size_t slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash);
}

// "../pivotTables/pivotTable1.xml" from xl/worksheets/ to xl/pivotTables/pivotTable1.xml.
std::string relativePath(const std::string& fromPart, const std::string& toPart) {
  const std::string folder = folderOf(fromPart);
  const std::vector<std::string> from =
      folder.empty() ? std::vector<std::string>{} : segments(folder);
  const std::vector<std::string> to = segments(toPart);
  std::size_t common = 0;
  while (common < from.size() && common + 1 < to.size() && from[common] == to[common]) ++common;
  std::string out;
  for (std::size_t i = common; i < from.size(); ++i) out += "../";
  for (std::size_t i = common; i < to.size(); ++i) out += (i > common ? "/" : "") + to[i];
  return out;
}

}  // namespace

PackageRelations::PackageRelations(ZipPackage& package, std::string part)
    : package_(package), part_(std::move(part)) {
  const std::string rels = relsPartOf(part_);
  if (!package_.has(rels)) return;
  xml_ = package_.read(rels);
  for (const xml::Attributes& a : xml::elementsNamed(xml_, "Relationship")) {
    Relationship r;
    r.id = a.count("Id") ? a.at("Id") : std::string();
    r.type = a.count("Type") ? a.at("Type") : std::string();
    const bool external = a.count("TargetMode") && a.at("TargetMode") == "External";
    const std::string target = a.count("Target") ? a.at("Target") : std::string();
    r.target = external ? target : resolve(part_, target);
    if (r.id.rfind("rId", 0) == 0) nextId_ = std::max(nextId_, std::atoi(r.id.c_str() + 3) + 1);
    list_.push_back(std::move(r));
  }
}

std::string PackageRelations::relsPartOf(const std::string& part) {
  const std::string folder = folderOf(part);
  const std::string name = part.substr(folder.empty() ? 0 : folder.size() + 1);
  return (folder.empty() ? "" : folder + "/") + "_rels/" + name + ".rels";
}

std::string PackageRelations::resolve(const std::string& fromPart, const std::string& target) {
  std::vector<std::string> path;
  if (target.empty() || target.front() != '/') {
    const std::string folder = folderOf(fromPart);
    if (!folder.empty()) path = segments(folder);
  }
  for (const std::string& s : segments(target)) {
    if (s.empty() || s == ".") continue;
    if (s == "..") {
      if (!path.empty()) path.pop_back();
    } else {
      path.push_back(s);
    }
  }
  std::string out;
  for (const std::string& s : path) out += (out.empty() ? "" : "/") + s;
  return out;
}

std::string PackageRelations::target(const std::string& id) const {
  for (const Relationship& r : list_)
    if (r.id == id) return r.target;
  return {};
}

std::string PackageRelations::targetOfType(const std::string& type) const {
  for (const Relationship& r : list_)
    if (r.type.size() > type.size() &&
        r.type.compare(r.type.size() - type.size(), type.size(), type) == 0 &&
        r.type[r.type.size() - type.size() - 1] == '/')
      return r.target;
  return {};
}

std::string PackageRelations::add(const std::string& type, const std::string& targetPart) {
  Relationship r{"rId" + std::to_string(nextId_++), kOfficeTypes + type, targetPart};
  added_ += "<Relationship Id=\"" + r.id + "\" Type=\"" + r.type + "\" Target=\"" +
            xml::escaped(relativePath(part_, targetPart)) + "\"/>";
  list_.push_back(r);
  return r.id;
}

void PackageRelations::save() {
  if (added_.empty()) return;
  std::string xml = xml_;
  const std::size_t end = xml.rfind("</Relationships>");
  if (xml.empty() || end == std::string::npos) {
    xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
        added_ + "</Relationships>";
  } else {
    xml.insert(end, added_);
  }
  package_.put(relsPartOf(part_), std::move(xml));
  xml_ = package_.read(relsPartOf(part_));
  added_.clear();
}

}  // namespace qh::sim
