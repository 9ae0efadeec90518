#include "hosts/sim/excel/template/CompoundFile.h"

#include <algorithm>
#include <cctype>

#include "hosts/sim/excel/template/LittleEndian.h"
#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {
namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFAu;
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirectoryEntrySize = 128;
constexpr std::uint8_t kRootEntry = 5;

[[noreturn]] void damaged(const char* what) {
  throw FormatError(std::string("damaged compound file: ") + what);
}

// Directory names are UTF-16; the streams the reader looks for have ASCII names.
std::string asciiName(const std::uint8_t* p, std::uint16_t byteLength) {
  std::string name;
  const std::size_t units = std::min<std::size_t>(byteLength / 2, 32);
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint16_t unit = readU16(p + 2 * i);
    if (unit == 0) break;
    name += unit < 0x80 ? static_cast<char>(std::tolower(unit)) : '?';
  }
  return name;
}

}  // namespace

CompoundFile::CompoundFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
  readHeader();
  readFat();
  readDirectory();
  readMiniStream();
}

void CompoundFile::readHeader() {
  if (bytes_.size() < kHeaderSize || !std::equal(kSignature, kSignature + 8, bytes_.begin()))
    throw FormatError("not a compound file");
  const std::uint16_t sectorShift = readU16(&bytes_[0x1E]);
  const std::uint16_t miniShift = readU16(&bytes_[0x20]);
  if (sectorShift != 9 && sectorShift != 12) damaged("sector size");
  if (miniShift != 6) damaged("mini sector size");
  sectorSize_ = 1u << sectorShift;
  miniSectorSize_ = 1u << miniShift;
  firstDirectorySector_ = readU32(&bytes_[0x30]);
  miniCutoff_ = readU32(&bytes_[0x38]);
  firstMiniFatSector_ = readU32(&bytes_[0x3C]);
}

const std::uint8_t* CompoundFile::sector(std::uint32_t index) const {
  const std::uint64_t offset = (static_cast<std::uint64_t>(index) + 1) * sectorSize_;
  if (index > kMaxRegularSector || offset + sectorSize_ > bytes_.size())
    damaged("sector out of range");
  return &bytes_[offset];
}

void CompoundFile::readFat() {
  const std::uint32_t fatSectors = readU32(&bytes_[0x2C]);
  std::uint32_t difatSector = readU32(&bytes_[0x44]);
  std::uint32_t difatCount = readU32(&bytes_[0x48]);
  if (fatSectors > bytes_.size() / sectorSize_ + 1) damaged("FAT size");

  std::vector<std::uint32_t> fatSectorList;
  for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectorList.size() < fatSectors; ++i)
    fatSectorList.push_back(readU32(&bytes_[0x4C + 4 * i]));
  const std::size_t perDifat = sectorSize_ / 4 - 1;
  while (fatSectorList.size() < fatSectors) {
    if (difatCount-- == 0) damaged("DIFAT chain");
    const std::uint8_t* p = sector(difatSector);
    for (std::size_t i = 0; i < perDifat && fatSectorList.size() < fatSectors; ++i)
      fatSectorList.push_back(readU32(p + 4 * i));
    difatSector = readU32(p + 4 * perDifat);
  }

  fat_.reserve(fatSectorList.size() * sectorSize_ / 4);
  for (std::uint32_t s : fatSectorList) {
    const std::uint8_t* p = sector(s);
    for (std::size_t i = 0; i < sectorSize_ / 4; ++i) fat_.push_back(readU32(p + 4 * i));
  }
}

std::vector<std::uint32_t> CompoundFile::chain(std::uint32_t start,
                                               const std::vector<std::uint32_t>& table) const {
  std::vector<std::uint32_t> sectors;
  for (std::uint32_t s = start; s != kEndOfChain;) {
    if (s >= table.size() || sectors.size() >= table.size()) damaged("sector chain");
    sectors.push_back(s);
    s = table[s];
  }
  return sectors;
}

void CompoundFile::readDirectory() {
  for (std::uint32_t s : chain(firstDirectorySector_, fat_)) {
    const std::uint8_t* p = sector(s);
    for (std::size_t off = 0; off + kDirectoryEntrySize <= sectorSize_;
         off += kDirectoryEntrySize) {
      const std::uint8_t* e = p + off;
      Entry entry;
      entry.name = asciiName(e, readU16(e + 0x40));
      entry.type = e[0x42];
      entry.start = readU32(e + 0x74);
      // Version 3 files keep only the low half of the size meaningful.
      entry.size = sectorSize_ == 512 ? readU32(e + 0x78) : readU64(e + 0x78);
      entries_.push_back(std::move(entry));
    }
  }
  if (entries_.empty() || entries_.front().type != kRootEntry) damaged("root entry");
}

void CompoundFile::readMiniStream() {
  for (std::uint32_t s : chain(firstMiniFatSector_, fat_)) {
    const std::uint8_t* p = sector(s);
    for (std::size_t i = 0; i < sectorSize_ / 4; ++i) miniFat_.push_back(readU32(p + 4 * i));
  }
  const Entry& root = entries_.front();
  if (root.size > 0) miniStream_ = readRegular(root.start, root.size);
}

std::vector<std::uint8_t> CompoundFile::readRegular(std::uint32_t start, std::uint64_t size) const {
  std::vector<std::uint8_t> out;
  for (std::uint32_t s : chain(start, fat_)) {
    if (out.size() >= size) break;
    const std::uint8_t* p = sector(s);
    const std::size_t n = std::min<std::uint64_t>(sectorSize_, size - out.size());
    out.insert(out.end(), p, p + n);
  }
  if (out.size() < size) damaged("stream shorter than its size");
  return out;
}

std::vector<std::uint8_t> CompoundFile::readMini(std::uint32_t start, std::uint64_t size) const {
  std::vector<std::uint8_t> out;
  for (std::uint32_t s : chain(start, miniFat_)) {
    if (out.size() >= size) break;
    const std::uint64_t offset = static_cast<std::uint64_t>(s) * miniSectorSize_;
    if (offset + miniSectorSize_ > miniStream_.size()) damaged("mini sector out of range");
    const std::size_t n = std::min<std::uint64_t>(miniSectorSize_, size - out.size());
    out.insert(out.end(), miniStream_.begin() + offset, miniStream_.begin() + offset + n);
  }
  if (out.size() < size) damaged("mini stream shorter than its size");
  return out;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::stream(std::string_view name) const {
  std::string wanted(name);
  for (char& c : wanted) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  constexpr std::uint8_t kStream = 2;
  for (const Entry& e : entries_) {
    if (e.type != kStream || e.name != wanted) continue;
    return e.size < miniCutoff_ ? readMini(e.start, e.size) : readRegular(e.start, e.size);
  }
  return std::nullopt;
}

}  // namespace qh::sim::xls
