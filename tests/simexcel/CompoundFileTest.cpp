// The compound file reader on a file built sector by sector: a stream above the mini-stream
// cutoff read through the FAT, a small one through the mini FAT, and damaged chains.
#include "hosts/sim/excel/template/CompoundFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kFree = 0xFFFFFFFF, kEnd = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD;

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes pattern(std::size_t size, std::uint8_t seed) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(seed + i * 7);
  return out;
}

// Sectors: 0 FAT, 1 directory, 2 mini FAT, 3 mini stream, 4..13 "Workbook" (5000 bytes).
class CompoundFileBuilder {
 public:
  CompoundFileBuilder() : bytes(512 * 15, 0) {
    const std::uint8_t signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(signature, signature + 8, bytes.begin());
    bytes[0x1A] = 3;
    bytes[0x1C] = 0xFE;
    bytes[0x1D] = 0xFF;
    bytes[0x1E] = 9;  // 512-byte sectors
    bytes[0x20] = 6;  // 64-byte mini sectors
    put32(bytes, 0x2C, 1);
    put32(bytes, 0x30, 1);
    put32(bytes, 0x38, 4096);
    put32(bytes, 0x3C, 2);
    put32(bytes, 0x40, 1);
    put32(bytes, 0x44, kEnd);
    for (int i = 0; i < 109; ++i) put32(bytes, 0x4C + 4 * i, i == 0 ? 0 : kFree);

    for (std::uint32_t s = 0; s < 128; ++s) fat(s, kFree);
    fat(0, kFatSector);
    fat(1, kEnd);
    fat(2, kEnd);
    fat(3, kEnd);
    for (std::uint32_t s = 4; s < 13; ++s) fat(s, s + 1);
    fat(13, kEnd);

    for (std::uint32_t i = 0; i < 128; ++i) put32(bytes, sector(2) + 4 * i, kFree);
    put32(bytes, sector(2), 1);
    put32(bytes, sector(2) + 4, kEnd);

    entry(0, "Root Entry", 5, 3, 128);
    entry(1, "Workbook", 2, 4, 5000);
    entry(2, "Small", 2, 0, 100);
    const Bytes big = pattern(5000, 1), small = pattern(100, 2);
    std::copy(big.begin(), big.end(), bytes.begin() + sector(4));
    std::copy(small.begin(), small.end(), bytes.begin() + sector(3));
  }

  static std::size_t sector(std::uint32_t s) { return 512 * (s + 1); }
  void fat(std::uint32_t s, std::uint32_t next) { put32(bytes, sector(0) + 4 * s, next); }
  void entry(int index, const std::string& name, std::uint8_t type, std::uint32_t start,
             std::uint32_t size) {
    const std::size_t at = sector(1) + 128 * index;
    for (std::size_t i = 0; i < name.size(); ++i) bytes[at + 2 * i] = name[i];
    bytes[at + 0x40] = static_cast<std::uint8_t>(2 * (name.size() + 1));
    bytes[at + 0x42] = type;
    put32(bytes, at + 0x74, start);
    put32(bytes, at + 0x78, size);
  }

  Bytes bytes;
};

TEST(CompoundFile, ReadsLargeStreamsThroughTheFatAndSmallOnesThroughTheMiniFat) {
  const CompoundFile file(CompoundFileBuilder().bytes);
  EXPECT_EQ(file.stream("WORKBOOK"), pattern(5000, 1));
  EXPECT_EQ(file.stream("Small"), pattern(100, 2));
  EXPECT_FALSE(file.stream("Book").has_value());
  EXPECT_FALSE(file.stream("Root Entry").has_value());  // a storage, not a stream
}

TEST(CompoundFile, DamageRaisesInsteadOfLoopingOrOverreading) {
  CompoundFileBuilder cycle;
  cycle.fat(9, 5);  // the Workbook chain turns back on itself
  EXPECT_THROW(CompoundFile(cycle.bytes).stream("Workbook"), FormatError);

  CompoundFileBuilder shortChain;
  shortChain.fat(8, kEnd);  // the chain ends before the stream's size
  EXPECT_THROW(CompoundFile(shortChain.bytes).stream("Workbook"), FormatError);

  CompoundFileBuilder cut;
  cut.bytes.resize(CompoundFileBuilder::sector(6));
  EXPECT_THROW(CompoundFile(cut.bytes).stream("Workbook"), FormatError);

  CompoundFileBuilder badMini;
  put32(badMini.bytes, CompoundFileBuilder::sector(2), 7);  // into a free mini sector
  EXPECT_THROW(CompoundFile(badMini.bytes).stream("Small"), FormatError);

  Bytes notOle = CompoundFileBuilder().bytes;
  notOle[0] = 'P';
  EXPECT_THROW(CompoundFile{notOle}, FormatError);
}

}  // namespace
}  // namespace qh::sim::xls
