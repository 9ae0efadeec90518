#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace qh::sim::xls {

// Little-endian pieces of record data.
using Bytes = std::vector<std::uint8_t>;

inline void u16(Bytes& b, unsigned v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
inline void u32(Bytes& b, std::uint32_t v) {
  u16(b, v & 0xFFFF);
  u16(b, v >> 16);
}
inline void f64(Bytes& b, double d) {
  std::uint64_t bits;
  std::memcpy(&bits, &d, 8);
  u32(b, static_cast<std::uint32_t>(bits));
  u32(b, static_cast<std::uint32_t>(bits >> 32));
}
inline void latin1(Bytes& b, const std::string& s) {
  b.insert(b.end(), s.begin(), s.end());
}

// Builds a BIFF8 workbook stream record by record, for tests of the reader.
class StreamBuilder {
 public:
  std::size_t record(unsigned type, const Bytes& data) {
    const std::size_t at = stream.size();
    u16(stream, type);
    u16(stream, static_cast<unsigned>(data.size()));
    stream.insert(stream.end(), data.begin(), data.end());
    return at;
  }
  void bof(unsigned substream, unsigned version = 0x0600) {
    Bytes d;
    u16(d, version);
    u16(d, substream);
    d.resize(16);
    record(0x0809, d);
  }
  void eof() { record(0x000A, {}); }
  // Returns where the sheet's stream offset goes, to be patched once the sheet is written.
  std::size_t boundSheet(const std::string& name, std::uint8_t kind, std::uint8_t hidden = 0) {
    Bytes d;
    u32(d, 0);
    d.push_back(hidden);
    d.push_back(kind);
    d.push_back(static_cast<std::uint8_t>(name.size()));
    d.push_back(0);
    latin1(d, name);
    return record(0x0085, d) + 4;
  }
  void patchOffset(std::size_t at) {
    const auto v = static_cast<std::uint32_t>(stream.size());
    for (int i = 0; i < 4; ++i) stream[at + i] = (v >> (8 * i)) & 0xFF;
  }
  void cellHeader(Bytes& d, unsigned row, unsigned col) {
    u16(d, row);
    u16(d, col);
    u16(d, 15);  // XF index, ignored
  }

  Bytes stream;
};

}  // namespace qh::sim::xls
