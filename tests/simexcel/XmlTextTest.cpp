// Text on its way into the XML parts the simulated Excel adds to a workbook: whatever a
// calendar held, the part stays well-formed and Excel reads back what was written.
#include "hosts/sim/excel/XmlText.h"

#include <gtest/gtest.h>

namespace qh::sim::xml {
namespace {

TEST(XmlText, EscapesMarkupForbiddenCharactersAndBrokenBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"Tom & Jerry <\"on\">", "Tom &amp; Jerry &lt;&quot;on&quot;&gt;"},
      {"tab\tline\nreturn\r", "tab\tline\nreturn\r"},  // allowed as they are
      {std::string("nul\0bell\x07", 9), "nul_x0000_bell_x0007_"},
      {"\xEF\xBF\xBE\xEF\xBF\xBF", "_xFFFE__xFFFF_"},  // the two non-characters
      {"_x0041_ stays _x0041_", "_x005F_x0041_ stays _x005F_x0041_"},
      {"_x41_ and _xZZZZ_", "_x41_ and _xZZZZ_"},  // not escapes: left alone
      {"M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80",
       "M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"Latin-1 \xFC", "Latin-1 \xEF\xBF\xBD"},
      {"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(escaped(text), expected) << text;
    EXPECT_TRUE(isValidUtf8(escaped(text))) << text;
  }
  EXPECT_FALSE(isValidUtf8("\xFC"));
  EXPECT_EQ(validUtf8("ok \xFC ok"), "ok \xEF\xBF\xBD ok");
  EXPECT_EQ(validUtf8("M\xC3\xBCller"), "M\xC3\xBCller");
}

}  // namespace
}  // namespace qh::sim::xml
