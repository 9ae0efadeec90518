#include "core/TagList.h"

#include <gtest/gtest.h>

#include "forms/ListBox.h"

namespace qh::core {
namespace {

std::vector<std::string> parse(const std::string& body) {
  return ParseTagList(body).items;
}

TEST(ParseTagList, AcceptsSeparatorsWithAndWithoutTheSpace) {
  EXPECT_EQ(parse("Support; Project A;Meeting"),
            (std::vector<std::string>{"Support", "Project A", "Meeting"}));
}

TEST(ParseTagList, KeepsSpacesAndEmptyElements) {
  EXPECT_EQ(parse("Admin; "), (std::vector<std::string>{"Admin", ""}));
  EXPECT_EQ(parse(" padded ;x"), (std::vector<std::string>{" padded ", "x"}));
  EXPECT_EQ(parse("a;;b"), (std::vector<std::string>{"a", "", "b"}));
  // Only one space after a semicolon belongs to the separator.
  EXPECT_EQ(parse("a;  b"), (std::vector<std::string>{"a", " b"}));
}

TEST(ParseTagList, TextWithoutSemicolonIsOneTagAndEmptyTextNoTag) {
  EXPECT_EQ(parse("Only one"), (std::vector<std::string>{"Only one"}));
  const StringArray empty = ParseTagList("");
  EXPECT_TRUE(empty.assigned);
  EXPECT_TRUE(empty.items.empty());
}

TEST(JoinTagList, WritesTheBodySyntaxThatReadsBack) {
  const std::vector<std::string> tags{"Admin", "Support"};
  EXPECT_EQ(JoinTagList(tags), "Admin; Support");
  EXPECT_EQ(parse(JoinTagList(tags)), tags);
  EXPECT_EQ(JoinTagList({}), "");
}

TEST(FillTagCombo, ReplacesTheListWithTagsTrimmedOfSpacesOnly) {
  forms::ListBox box("box", {}, 0);
  box.addItem("stale");
  FillTagCombo(box, StringArray::of({" Project ", "", "\tTabbed\t"}));
  EXPECT_EQ(box.items(), (std::vector<std::string>{"Project", "", "\tTabbed\t"}));
}

TEST(FillTagCombo, AnUnassignedListFailsOnceTheControlIsCleared) {
  forms::ListBox box("box", {}, 0);
  box.addItem("stale");
  EXPECT_THROW(FillTagCombo(box, StringArray{}), Error);
  EXPECT_EQ(box.listCount(), 0);
}

TEST(TrimSpaces, TrimsOnlySpaceCharacters) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("\ta "), "\ta");
}

}  // namespace
}  // namespace qh::core
