#include "hosts/win/automation/VariantConversion.h"

#include <gtest/gtest.h>

#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win::test {
namespace {

class VariantConversionTest : public ::testing::Test {
 protected:
  ComVariant toCom(const Variant& v) { return toComVariant(v, *bridge); }
  Variant fromCom(const VARIANT& v) { return fromComVariant(v, *bridge); }
  Variant roundTrip(const Variant& v) { return fromCom(toCom(v).get()); }

  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
};

TEST_F(VariantConversionTest, ScalarsTakeTheirAutomationTypes) {
  EXPECT_EQ(toCom(Variant()).type(), VT_EMPTY);
  EXPECT_EQ(toCom(Variant::null()).type(), VT_NULL);
  const ComVariant yes = toCom(Variant(true)), no = toCom(Variant(false));
  EXPECT_EQ(yes.type(), VT_BOOL);
  EXPECT_EQ(V_BOOL(&yes.get()), VARIANT_TRUE);  // -1, not 1
  EXPECT_EQ(V_BOOL(&no.get()), VARIANT_FALSE);
  EXPECT_EQ(V_I2(&toCom(Variant(std::int16_t{-7})).get()), -7);
  EXPECT_EQ(toCom(Variant(std::int16_t{-7})).type(), VT_I2);
  EXPECT_EQ(V_I4(&toCom(Variant(70000)).get()), 70000);
  EXPECT_EQ(toCom(Variant(70000)).type(), VT_I4);
  EXPECT_EQ(V_R8(&toCom(Variant(2.5)).get()), 2.5);
  const ComVariant date = toCom(Variant(Date::fromParts(2026, 11, 29, 14, 20)));
  EXPECT_EQ(date.type(), VT_DATE);
  EXPECT_DOUBLE_EQ(V_DATE(&date.get()), Date::fromParts(2026, 11, 29, 14, 20).serial());
  const ComVariant text =
      toCom(Variant("Stra\xC3\x9F"
                    "e"));
  EXPECT_EQ(text.type(), VT_BSTR);
  EXPECT_STREQ(V_BSTR(&text.get()), L"Stra\u00DFe");
  const ComVariant missing = toCom(Variant::missing());
  EXPECT_EQ(missing.type(), VT_ERROR);
  EXPECT_EQ(V_ERROR(&missing.get()), DISP_E_PARAMNOTFOUND);
}

TEST_F(VariantConversionTest, EveryValueComesBackAsItWent) {
  const Variant values[] = {Variant(),
                            Variant::null(),
                            Variant(true),
                            Variant(std::int16_t{32767}),
                            Variant(-2147483647 - 1),
                            Variant(0.1),
                            Variant(Date::fromParts(1899, 12, 29, 6, 0)),
                            Variant(""),
                            Variant("a\xE2\x82\xAC"),
                            Variant::missing(),
                            Variant(StringArray{}),
                            Variant(StringArray::of({})),
                            Variant(StringArray::of({"x", "",
                                                     "Gr\xC3\xBC"
                                                     "n"}))};
  for (const Variant& v : values) EXPECT_EQ(roundTrip(v), v) << typeName(v.type());
}

TEST_F(VariantConversionTest, AnUnassignedArrayIsANullSafeArray) {
  const ComVariant unassigned = toCom(Variant(StringArray{}));
  EXPECT_EQ(unassigned.type(), VT_ARRAY | VT_BSTR);
  EXPECT_EQ(V_ARRAY(&unassigned.get()), nullptr);
  const ComVariant empty = toCom(Variant(StringArray::of({})));
  ASSERT_NE(V_ARRAY(&empty.get()), nullptr);
  EXPECT_EQ(V_ARRAY(&empty.get())->rgsabound[0].cElements, 0u);
}

TEST_F(VariantConversionTest, ReadsArraysOfAnyLowerBoundAndOfVariantsHoldingText) {
  SAFEARRAYBOUND bound{2, 1};  // two elements from index 1, as Visual Basic's Split gives
  ComVariant strings;
  V_ARRAY(&strings.get()) = SafeArrayCreate(VT_BSTR, 1, &bound);
  V_VT(&strings.get()) = VT_ARRAY | VT_BSTR;
  for (LONG i : {1L, 2L}) {
    Bstr item(i == 1 ? L"one" : L"two");
    SafeArrayPutElement(V_ARRAY(&strings.get()), &i, item.get());
  }
  EXPECT_EQ(fromCom(strings.get()).toStringArray(), StringArray::of({"one", "two"}));

  ComVariant variants;
  V_ARRAY(&variants.get()) = SafeArrayCreateVector(VT_VARIANT, 0, 2);
  V_VT(&variants.get()) = VT_ARRAY | VT_VARIANT;
  VARIANT* items = nullptr;
  SafeArrayAccessData(V_ARRAY(&variants.get()), reinterpret_cast<void**>(&items));
  V_VT(&items[0]) = VT_BSTR;
  V_BSTR(&items[0]) = SysAllocString(L"tag");
  SafeArrayUnaccessData(V_ARRAY(&variants.get()));  // items[1] stays Empty: ""
  EXPECT_EQ(fromCom(variants.get()).toStringArray(), StringArray::of({"tag", ""}));
}

TEST_F(VariantConversionTest, OtherNumbersBecomeTheNearestKnownType) {
  ComVariant v;
  V_VT(&v.get()) = VT_UI1;
  V_UI1(&v.get()) = 200;
  EXPECT_EQ(fromCom(v.get()), Variant(std::int16_t{200}));
  V_VT(&v.get()) = VT_UI4;
  V_UI4(&v.get()) = 4000000000u;
  EXPECT_EQ(fromCom(v.get()), Variant(4000000000.0));
  V_VT(&v.get()) = VT_I8;
  V_I8(&v.get()) = -5;
  EXPECT_EQ(fromCom(v.get()), Variant(-5));
  V_VT(&v.get()) = VT_R4;
  V_R4(&v.get()) = 0.5f;
  EXPECT_EQ(fromCom(v.get()), Variant(0.5));
  V_VT(&v.get()) = VT_CY;
  V_CY(&v.get()).int64 = 12345;  // 1.2345 in units of 1/10000
  EXPECT_EQ(fromCom(v.get()), Variant(1.2345));
  V_VT(&v.get()) = VT_BOOL;
  V_BOOL(&v.get()) = 1;  // any non-zero VARIANT_BOOL is true
  EXPECT_EQ(fromCom(v.get()), Variant(true));
}

TEST_F(VariantConversionTest, UnknownTypesAndShapesAreATypeMismatch) {
  ComVariant v;
  V_VT(&v.get()) = VT_CLSID;
  EXPECT_THROW(fromCom(v.get()), Error);
  SAFEARRAYBOUND bounds[2] = {{1, 0}, {1, 0}};
  V_ARRAY(&v.get()) = SafeArrayCreate(VT_BSTR, 2, bounds);
  V_VT(&v.get()) = VT_ARRAY | VT_BSTR;
  try {
    fromCom(v.get());
    FAIL() << "a two-dimensional array converted";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), static_cast<int>(ErrorCode::TypeMismatch));
  }
}

TEST_F(VariantConversionTest, ReadsThroughReferences) {
  LONG number = 41;
  VARIANT byRef;
  V_VT(&byRef) = VT_BYREF | VT_I4;
  V_I4REF(&byRef) = &number;
  EXPECT_EQ(fromCom(byRef), Variant(41));

  ComVariant inner = toCom(Variant("inside"));
  V_VT(&byRef) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&byRef) = &inner.get();
  EXPECT_EQ(fromCom(byRef), Variant("inside"));
}

TEST_F(VariantConversionTest, StoresThroughAReferenceInTheCallersType) {
  VARIANT_BOOL cancel = VARIANT_FALSE;
  VARIANT target;
  V_VT(&target) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&target) = &cancel;
  storeByReference(target, Variant(true), *bridge);
  EXPECT_EQ(cancel, VARIANT_TRUE);

  Bstr text(L"old");
  V_VT(&target) = VT_BYREF | VT_BSTR;
  V_BSTRREF(&target) = text.put();
  *V_BSTRREF(&target) = SysAllocString(L"old");
  storeByReference(target, Variant(12), *bridge);
  EXPECT_EQ(text.toUtf8(), "12");

  ComVariant any = toCom(Variant("was text"));
  V_VT(&target) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&target) = &any.get();
  storeByReference(target, Variant(2.5), *bridge);
  EXPECT_EQ(any.type(), VT_R8);
}

}  // namespace
}  // namespace qh::win::test
