#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qh::sim::xls {

// A reader of the OLE compound file (structured storage) that holds an Excel 97-2003
// workbook: header, FAT with its DIFAT, directory, mini FAT and mini stream. Read-only and
// portable; every chain is bounded so that a damaged file raises FormatError instead of
// looping or reading out of range.
class CompoundFile {
 public:
  explicit CompoundFile(std::vector<std::uint8_t> bytes);

  // The contents of the stream with this name (compared without letter case), if present.
  std::optional<std::vector<std::uint8_t>> stream(std::string_view name) const;

 private:
  struct Entry {
    std::string name;
    std::uint8_t type = 0;
    std::uint32_t start = 0;
    std::uint64_t size = 0;
  };

  void readHeader();
  void readFat();
  void readDirectory();
  void readMiniStream();
  std::vector<std::uint32_t> chain(std::uint32_t start,
                                   const std::vector<std::uint32_t>& table) const;
  std::vector<std::uint8_t> readRegular(std::uint32_t start, std::uint64_t size) const;
  std::vector<std::uint8_t> readMini(std::uint32_t start, std::uint64_t size) const;
  const std::uint8_t* sector(std::uint32_t index) const;

  std::vector<std::uint8_t> bytes_;
  std::uint32_t sectorSize_ = 512;
  std::uint32_t miniSectorSize_ = 64;
  std::uint32_t miniCutoff_ = 4096;
  std::uint32_t firstDirectorySector_ = 0;
  std::uint32_t firstMiniFatSector_ = 0;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> miniFat_;
  std::vector<Entry> entries_;
  std::vector<std::uint8_t> miniStream_;
};

}  // namespace qh::sim::xls
