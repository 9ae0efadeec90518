#pragma once

#include <filesystem>
#include <map>
#include <string>

struct zip;

namespace qh::sim {

// An Office file (a zip package) opened to add and replace parts, through libzip. Nothing
// changes on disk until commit, which writes the new package beside the old one and renames
// it over it. Failures raise std::runtime_error.
class ZipPackage {
 public:
  explicit ZipPackage(const std::filesystem::path& path);
  ~ZipPackage();
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  bool has(const std::string& part) const;
  // A part's content: as last put, or as the package holds it.
  std::string read(const std::string& part) const;
  // Adds the part, or replaces it.
  void put(const std::string& part, std::string content);
  void commit();

 private:
  struct zip* archive_;
  std::filesystem::path path_;
  // The new contents, which must outlive the archive until it is written.
  std::map<std::string, std::string> puts_;
};

}  // namespace qh::sim
