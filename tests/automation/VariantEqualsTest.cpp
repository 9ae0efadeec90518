#include <gtest/gtest.h>

#include "TestObjects.h"
#include "automation/Error.h"
#include "automation/Variant.h"

namespace qh {
namespace {

Variant folderNamed(const char* name) {
  return Variant(makeRef<fakes::ValueObject>(Variant(name)));
}

TEST(VariantEquals, TextComparesExactly) {
  EXPECT_TRUE(variantEquals(Variant("Admin"), Variant("Admin")));
  EXPECT_FALSE(variantEquals(Variant("Admin"), Variant("admin")));
  EXPECT_FALSE(variantEquals(Variant("Admin"), Variant("Admin ")));
}

TEST(VariantEquals, NumbersCompareByValueAcrossTypes) {
  EXPECT_TRUE(variantEquals(Variant(std::int16_t{5}), Variant(5.0)));
  EXPECT_TRUE(variantEquals(Variant(true), Variant(-1)));
  EXPECT_TRUE(variantEquals(Variant("5"), Variant(5)));
  EXPECT_TRUE(variantEquals(Variant(2.5), Variant(" 2.5")));
  EXPECT_FALSE(variantEquals(Variant("Project"), Variant(5)));
  EXPECT_FALSE(variantEquals(Variant(5), Variant(5.5)));
}

TEST(VariantEquals, EmptyEqualsZeroAndEmptyText) {
  EXPECT_TRUE(variantEquals(Variant(), Variant(0)));
  EXPECT_TRUE(variantEquals(Variant(""), Variant()));
  EXPECT_TRUE(variantEquals(Variant(), Variant()));
  EXPECT_FALSE(variantEquals(Variant(), Variant("x")));
  EXPECT_FALSE(variantEquals(Variant(1), Variant()));
}

TEST(VariantEquals, NullNeverEquals) {
  EXPECT_FALSE(variantEquals(Variant::null(), Variant::null()));
  EXPECT_FALSE(variantEquals(Variant::null(), Variant()));
  EXPECT_FALSE(variantEquals(Variant(""), Variant::null()));
}

TEST(VariantEquals, DatesCompareWithDateText) {
  const Variant day(Date::fromParts(2024, 1, 2));
  EXPECT_TRUE(variantEquals(day, Variant("2024-01-02")));
  EXPECT_TRUE(variantEquals(Variant("1/2/2024"), day));
  EXPECT_FALSE(variantEquals(day, Variant("2024-01-03")));
  EXPECT_TRUE(variantEquals(day, Variant(day.toDouble())));
}

TEST(VariantEquals, FoldersCompareByTheirDefaultValue) {
  // Two distinct folders with one name are "equal", as late-bound code compares them.
  EXPECT_TRUE(variantEquals(folderNamed("Calendar"), folderNamed("Calendar")));
  EXPECT_FALSE(variantEquals(folderNamed("Calendar"), folderNamed("Inbox")));
  EXPECT_TRUE(variantEquals(folderNamed("Calendar"), Variant("Calendar")));
  EXPECT_TRUE(variantEquals(Variant("Calendar"), folderNamed("Calendar")));
}

TEST(VariantEquals, ObjectWithoutDefaultValueRaises) {
  const Variant noDefault(makeRef<fakes::Probe>());
  EXPECT_THROW(variantEquals(noDefault, Variant("Calendar")), Error);
  EXPECT_THROW(variantEquals(Variant(Ref<Object>()), Variant("Calendar")), Error);
}

TEST(VariantStrictEquality, ComparesTypeAndValueAndObjectsByIdentity) {
  EXPECT_FALSE(Variant(5) == Variant(std::int16_t{5}));
  EXPECT_FALSE(Variant(5) == Variant(5.0));
  EXPECT_TRUE(Variant("a") == Variant(std::string("a")));
  EXPECT_TRUE(Variant::null() == Variant::null());
  EXPECT_FALSE(Variant::missing() == Variant());

  const Ref<Object> folder = makeRef<fakes::ValueObject>(Variant("Calendar"));
  EXPECT_TRUE(Variant(folder) == Variant(folder.get()));
  EXPECT_FALSE(Variant(folder) == folderNamed("Calendar"));
  EXPECT_TRUE(Variant(Ref<Object>()) == Variant(Ref<Object>()));
  EXPECT_FALSE(Variant(folder) == Variant(Ref<Object>()));
}

}  // namespace
}  // namespace qh
