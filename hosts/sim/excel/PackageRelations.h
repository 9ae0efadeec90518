#pragma once

#include <string>
#include <vector>

namespace qh::sim {

class ZipPackage;

// The relationships of one part of an Office package (kept in the part's "_rels" part): read
// from the package, added to, and written back. Targets are handled as paths in the package
// ("xl/worksheets/sheet1.xml"), whatever relative form the file uses.
class PackageRelations {
 public:
  static constexpr const char* kOfficeTypes =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

  PackageRelations(ZipPackage& package, std::string part);

  // The target of the relationship with this id, or of the first one of this type (the
  // type's last word, "worksheet"); empty when there is none.
  std::string target(const std::string& id) const;
  std::string targetOfType(const std::string& type) const;
  // Adds a relationship of an Office type to a part; answers its new id.
  std::string add(const std::string& type, const std::string& targetPart);
  // Writes the relationships back when they changed.
  void save();

  // The package path a relationship target of `fromPart` stands for.
  static std::string resolve(const std::string& fromPart, const std::string& target);

 private:
  struct Relationship {
    std::string id, type, target;
  };

  static std::string relsPartOf(const std::string& part);

  ZipPackage& package_;
  std::string part_;
  std::string xml_;
  std::vector<Relationship> list_;
  std::string added_;
  int nextId_ = 1;
};

}  // namespace qh::sim
