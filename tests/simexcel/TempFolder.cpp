#include "tests/simexcel/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace qh::sim {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qh-simexcel-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempFolder::write(const std::string& name,
                                        const std::string& contents) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary) << contents;
  return file;
}

}  // namespace qh::sim
