// Escaping, folding and the categories text.
#include "hosts/sim/mailbox/IcsText.h"

#include <gtest/gtest.h>

#include "hosts/sim/mailbox/ContentLine.h"

namespace qh::sim::mailbox {
namespace {

TEST(IcsText, EscapesBackslashSemicolonCommaAndLineBreaks) {
  EXPECT_EQ(escapeText("a\\b;c,d\ne\r\nf"), "a\\\\b\\;c\\,d\\ne\\nf");
  EXPECT_EQ(unescapeText("a\\\\b\\;c\\,d\\ne\\Nf"), "a\\b;c,d\ne\nf");
  EXPECT_EQ(unescapeText("keeps \\: and a lone \\"), "keeps \\: and a lone \\");
  for (const char* text : {"", "plain", "\\n is not a line break", "Kunde, Projekt X; 50%"})
    EXPECT_EQ(unescapeText(escapeText(text)), text);
}

TEST(IcsText, FoldsAt75OctetsWithALeadingSpace) {
  const std::string line(160, 'a');
  const std::string folded = foldLine(line, "\r\n");
  EXPECT_EQ(folded, std::string(75, 'a') + "\r\n " + std::string(74, 'a') + "\r\n " +
                        std::string(11, 'a') + "\r\n");
  EXPECT_EQ(foldLine("short", "\n"), "short\n");
  EXPECT_EQ(foldLine(std::string(75, 'b'), "\n"), std::string(75, 'b') + "\n");
}

TEST(IcsText, NeverFoldsInsideAUtf8Sequence) {
  // 74 ASCII octets, then "ü" (two octets) would straddle the 75th: it moves whole.
  const std::string line = std::string(74, 'x') + "\xC3\xBC" + std::string(10, 'y');
  EXPECT_EQ(foldLine(line, "\n"),
            std::string(74, 'x') + "\n \xC3\xBC" + std::string(10, 'y') + "\n");
  // A long run of three-octet characters: every physical line ends on a whole character and
  // unfolding gives the text back.
  std::string euros;
  for (int i = 0; i < 60; ++i) euros += "\xE2\x82\xAC";
  const std::string folded = foldLine("SUMMARY:" + euros, "\r\n");
  for (std::size_t start = 0, end; (end = folded.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    EXPECT_LE(end - start, 75u);
    EXPECT_NE(static_cast<unsigned char>(folded[end - 1]) & 0xC0, 0xC0)
        << "line ends in a lead octet";
  }
  const auto lines = splitContentLines(folded);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].value, euros);
}

TEST(IcsText, CategoriesSplitAtCommasAndSemicolonsAndJoinAsOutlookShowsThem) {
  EXPECT_EQ(splitCategories(" Project A ,Support;; Admin ;"),
            (std::vector<std::string>{"Project A", "Support", "Admin"}));
  EXPECT_TRUE(splitCategories("").empty());
  EXPECT_TRUE(splitCategories(" , ;").empty());
  EXPECT_EQ(joinCategories({"Project A", "Support"}), "Project A, Support");
  EXPECT_EQ(joinCategories({}), "");
}

}  // namespace
}  // namespace qh::sim::mailbox
