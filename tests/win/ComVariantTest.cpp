#include "hosts/win/automation/ComVariant.h"

#include <gtest/gtest.h>

#include "tests/win/CountingDispatch.h"

namespace qh::win::test {
namespace {

ComVariant holding(CountingDispatch& object) {
  ComVariant v;
  object.AddRef();
  V_VT(&v.get()) = VT_DISPATCH;
  V_DISPATCH(&v.get()) = &object;
  return v;
}

TEST(ComVariantTest, ClearsItsInterfaceOnDestructionAndReset) {
  CountingDispatch object;
  {
    ComVariant v = holding(object);
    EXPECT_EQ(object.refs, 1u);
  }
  EXPECT_EQ(object.refs, 0u);
  ComVariant v = holding(object);
  v.reset();
  EXPECT_EQ(object.refs, 0u);
  EXPECT_EQ(v.type(), VT_EMPTY);
  v.reset();
  EXPECT_EQ(object.releases, 2);
}

TEST(ComVariantTest, CopyAddsAReferenceMoveDoesNot) {
  CountingDispatch object;
  ComVariant first = holding(object);
  ComVariant copy(first);
  EXPECT_EQ(object.refs, 2u);
  const int addRefs = object.addRefs;
  ComVariant moved(std::move(copy));
  EXPECT_EQ(object.addRefs, addRefs);
  EXPECT_EQ(copy.type(), VT_EMPTY);
  ComVariant assigned;
  assigned = std::move(moved);
  EXPECT_EQ(object.refs, 2u);
  assigned = first;
  EXPECT_EQ(object.refs, 2u);  // the old value went, a copy of first came
}

TEST(ComVariantTest, SelfAssignmentKeepsTheValue) {
  CountingDispatch object;
  ComVariant v = holding(object);
  auto& alias = v;
  v = alias;
  v = std::move(alias);
  EXPECT_EQ(object.refs, 1u);
  EXPECT_EQ(V_DISPATCH(&v.get()), &object);
}

TEST(ComVariantTest, CopiesStringsDeeply) {
  ComVariant text;
  V_VT(&text.get()) = VT_BSTR;
  V_BSTR(&text.get()) = SysAllocString(L"deep");
  const ComVariant copy(text);
  EXPECT_NE(V_BSTR(&copy.get()), V_BSTR(&text.get()));
  EXPECT_STREQ(V_BSTR(&copy.get()), L"deep");
}

TEST(ComVariantTest, AdoptAndDetachMoveOwnershipWithoutCounting) {
  CountingDispatch object;
  VARIANT raw;
  VariantInit(&raw);
  V_VT(&raw) = VT_DISPATCH;
  V_DISPATCH(&raw) = &object;
  object.AddRef();
  ComVariant owned = ComVariant::adopt(raw);
  EXPECT_EQ(V_VT(&raw), VT_EMPTY);
  VARIANT out;
  owned.detachTo(&out);
  EXPECT_EQ(owned.type(), VT_EMPTY);
  EXPECT_EQ(object.refs, 1u);
  EXPECT_EQ(object.addRefs, 1);
  VariantClear(&out);
  EXPECT_EQ(object.refs, 0u);
}

}  // namespace
}  // namespace qh::win::test
