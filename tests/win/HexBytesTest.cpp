#include "hosts/win/platform/HexBytes.h"

#include <gtest/gtest.h>

#include "automation/Error.h"

namespace qh::win::test {
namespace {

TEST(HexBytesTest, EveryByteValueSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = toHex(all);
  EXPECT_EQ(text.size(), 512u);
  EXPECT_EQ(text.substr(0, 6), "000102");
  EXPECT_EQ(text.substr(506), "FDFEFF");
  EXPECT_EQ(fromHex(text), all);
  EXPECT_EQ(fromHex("0aFf"), std::string("\x0A\xFF", 2)) << "either case reads";
}

TEST(HexBytesTest, TextThatIsNotPairsOfDigitsIsRefused) {
  EXPECT_THROW(fromHex("ABC"), Error);
  EXPECT_THROW(fromHex("0G"), Error);
  EXPECT_EQ(fromHex(""), "");
}

}  // namespace
}  // namespace qh::win::test
