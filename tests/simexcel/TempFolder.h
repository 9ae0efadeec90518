#pragma once

#include <filesystem>
#include <string>

namespace qh::sim {

// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes a file into the folder and answers its path.
  std::filesystem::path write(const std::string& name, const std::string& contents) const;

 private:
  std::filesystem::path path_;
};

}  // namespace qh::sim
