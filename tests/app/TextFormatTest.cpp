#include "apps/quillhour/TextFormat.h"

#include <gtest/gtest.h>

namespace qh::app {
namespace {

TEST(TextFormat, QuotedTextsKeepTheirBlanksAndStayOnOneLine) {
  EXPECT_EQ(inQuotes(""), "\"\"");
  EXPECT_EQ(inQuotes(" Project A "), "\" Project A \"");
  EXPECT_EQ(inQuotes("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
  EXPECT_EQ(inQuotes("one\ntwo\tthree\r"), "\"one\\ntwo\\tthree\\r\"");
  EXPECT_EQ(inQuotes("Müller"), "\"Müller\"");
  EXPECT_EQ(quotedList({}), "[]");
  EXPECT_EQ(quotedList({"A", "", "B C"}), "[\"A\", \"\", \"B C\"]");
}

TEST(TextFormat, HoursShowAtMostTwoDecimals) {
  EXPECT_EQ(formatHours(38), "38");
  EXPECT_EQ(formatHours(7.5), "7.5");
  EXPECT_EQ(formatHours(0.25), "0.25");
  EXPECT_EQ(formatHours(1.0 / 3.0), "0.33");
  EXPECT_EQ(formatHours(0), "0");
  EXPECT_EQ(formatHours(-0.001), "0");
}

}  // namespace
}  // namespace qh::app
