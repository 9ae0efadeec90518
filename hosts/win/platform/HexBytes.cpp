#include "hosts/win/platform/HexBytes.h"

#include "automation/Error.h"

namespace qh::win {
namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw Error(ErrorCode::InvalidCall);
}

}  // namespace

std::string toHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text += kDigits[b >> 4];
    text += kDigits[b & 0xF];
  }
  return text;
}

std::string fromHex(std::string_view text) {
  if (text.size() % 2) throw Error(ErrorCode::InvalidCall);
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i < text.size(); i += 2)
    bytes += static_cast<char>(digitValue(text[i]) * 16 + digitValue(text[i + 1]));
  return bytes;
}

}  // namespace qh::win
