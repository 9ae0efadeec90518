#include "hosts/win/automation/Bstr.h"

#include <gtest/gtest.h>

#include "hosts/win/automation/WideText.h"

namespace qh::win::test {
namespace {

TEST(BstrTest, CarriesUtf8ThroughUtf16Unchanged) {
  const std::string text =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC \xF0\x9F\x98\x80";  // Grüße € 😀
  const Bstr b = Bstr::fromUtf8(text);
  EXPECT_EQ(b.length(), 10u);  // the emoji takes a surrogate pair
  EXPECT_EQ(b.toUtf8(), text);
  EXPECT_EQ(utf8Of(b.get()), text);
}

TEST(BstrTest, KeepsEmbeddedNulCharacters) {
  const std::string text("a\0b", 3);
  const Bstr b = Bstr::fromUtf8(text);
  EXPECT_EQ(b.length(), 3u);
  EXPECT_EQ(b.toUtf8(), text);
}

TEST(BstrTest, ANullBstrReadsAsTheEmptyString) {
  EXPECT_EQ(utf8Of(nullptr), "");
  const Bstr none;
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.toUtf8(), "");
  EXPECT_EQ(Bstr(none).get(), nullptr);
}

TEST(BstrTest, CopiesAreDeepMovesHandTheStringOver) {
  Bstr original = Bstr::fromUtf8("text");
  Bstr copy(original);
  EXPECT_NE(copy.get(), original.get());
  EXPECT_EQ(copy.toUtf8(), "text");

  const BSTR raw = original.get();
  Bstr moved(std::move(original));
  EXPECT_EQ(moved.get(), raw);
  EXPECT_EQ(original.get(), nullptr);

  auto& alias = moved;
  moved = alias;
  moved = std::move(alias);
  EXPECT_EQ(moved.toUtf8(), "text");
}

TEST(BstrTest, DetachAndAdoptPassOwnershipAcrossAnOutParameter) {
  Bstr source = Bstr::fromUtf8("out");
  BSTR out = source.detach();
  EXPECT_EQ(source.get(), nullptr);
  Bstr received = Bstr::adopt(out);
  EXPECT_EQ(received.toUtf8(), "out");
  *received.put() = SysAllocString(L"replaced");
  EXPECT_EQ(received.toUtf8(), "replaced");
}

TEST(WideTextTest, ConvertsToTheAnsiCodePageForTheAFunctions) {
  EXPECT_EQ(toAnsi("Software\\Quillhour"), "Software\\Quillhour");
  EXPECT_EQ(narrow(widen("")), "");
  EXPECT_EQ(widen("\xC3\xA9"), L"\u00E9");
}

}  // namespace
}  // namespace qh::win::test
