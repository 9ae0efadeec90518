// The two halves of argument passing: OutboundArgs (our calls out) and InboundArgs (calls in).
#include <gtest/gtest.h>

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/InboundArgs.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "hosts/win/automation/OutboundArgs.h"
#include "hosts/win/automation/VariantConversion.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

class ArgsTest : public ::testing::Test {
 protected:
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
};

TEST_F(ArgsTest, OutgoingArgumentsAreReversedAndPassedByReference) {
  const Args args{Variant(1), Variant("two"), Variant(), Variant::missing(),
                  Variant(makeRef<SampleObject>())};
  OutboundArgs out(args, OutboundArgs::Mode::Call, *bridge);
  const DISPPARAMS& p = *out.params();
  ASSERT_EQ(p.cArgs, 5u);
  EXPECT_EQ(p.cNamedArgs, 0u);
  EXPECT_EQ(V_VT(&p.rgvarg[4]), VT_BYREF | VT_I4);
  EXPECT_EQ(*V_I4REF(&p.rgvarg[4]), 1);
  EXPECT_EQ(V_VT(&p.rgvarg[3]), VT_BYREF | VT_BSTR);
  EXPECT_STREQ(*V_BSTRREF(&p.rgvarg[3]), L"two");
  EXPECT_EQ(V_VT(&p.rgvarg[2]), VT_BYREF | VT_VARIANT);
  EXPECT_EQ(V_VT(V_VARIANTREF(&p.rgvarg[2])), VT_EMPTY);
  EXPECT_EQ(V_VT(&p.rgvarg[1]), VT_ERROR);  // omitted: by value, as callers omit
  EXPECT_EQ(V_VT(&p.rgvarg[0]), VT_DISPATCH);
}

TEST_F(ArgsTest, WhatTheCalleeWritesComesBackIntoTheArgs) {
  Args args{Variant(false), Variant(5), Variant()};
  OutboundArgs out(args, OutboundArgs::Mode::Call, *bridge);
  const DISPPARAMS& p = *out.params();
  *V_BOOLREF(&p.rgvarg[2]) = VARIANT_TRUE;
  *V_I4REF(&p.rgvarg[1]) = 6;
  storeByReference(p.rgvarg[0], Variant("filled"), *bridge);
  out.copyBack(args, *bridge);
  EXPECT_EQ(args, (Args{Variant(true), Variant(6), Variant("filled")}));
}

TEST_F(ArgsTest, APutPassesTheNewValueByValueAsTheNamedPutArgument) {
  const Args args{Variant(2), Variant("value")};
  OutboundArgs out(args, OutboundArgs::Mode::Put, *bridge);
  const DISPPARAMS& p = *out.params();
  ASSERT_EQ(p.cArgs, 2u);
  ASSERT_EQ(p.cNamedArgs, 1u);
  EXPECT_EQ(p.rgdispidNamedArgs[0], DISPID_PROPERTYPUT);
  EXPECT_EQ(V_VT(&p.rgvarg[0]), VT_BSTR);
  EXPECT_EQ(V_VT(&p.rgvarg[1]), VT_BYREF | VT_I4);
}

TEST_F(ArgsTest, IncomingArgumentsArriveInCallOrderWithThePutValueLast) {
  VARIANTARG rgvarg[3];
  for (auto& v : rgvarg) VariantInit(&v);
  V_VT(&rgvarg[0]) = VT_I4;  // the named put value
  V_I4(&rgvarg[0]) = 30;
  V_VT(&rgvarg[1]) = VT_I4;  // second index
  V_I4(&rgvarg[1]) = 20;
  V_VT(&rgvarg[2]) = VT_I4;  // first index
  V_I4(&rgvarg[2]) = 10;
  DISPID named = DISPID_PROPERTYPUT;
  const DISPPARAMS params{rgvarg, &named, 3, 1};
  InboundArgs in(params, true, *bridge);
  EXPECT_EQ(in.args(), (Args{Variant(10), Variant(20), Variant(30)}));
}

TEST_F(ArgsTest, OtherNamedArgumentsAreRefused) {
  VARIANTARG arg;
  VariantInit(&arg);
  DISPID named = 7;
  const DISPPARAMS params{&arg, &named, 1, 1};
  try {
    InboundArgs in(params, false, *bridge);
    FAIL() << "a named argument was accepted";
  } catch (const ComFailure& e) {
    EXPECT_EQ(e.hresult(), DISP_E_NONAMEDARGS);
  }
}

TEST_F(ArgsTest, AHandlersChangeIsWrittenThroughIncomingReferencesOnly) {
  VARIANT_BOOL cancel = VARIANT_FALSE;
  VARIANTARG rgvarg[2];
  V_VT(&rgvarg[0]) = VT_BYREF | VT_BOOL;  // Cancel, the last argument
  V_BOOLREF(&rgvarg[0]) = &cancel;
  V_VT(&rgvarg[1]) = VT_I4;  // by value: nowhere to write
  V_I4(&rgvarg[1]) = 1;
  const DISPPARAMS params{rgvarg, nullptr, 2, 0};
  InboundArgs in(params, false, *bridge);
  EXPECT_EQ(in.args(), (Args{Variant(1), Variant(false)}));
  in.args()[0] = Variant(99);
  in.args()[1] = Variant(true);
  in.writeBack(*bridge);
  EXPECT_EQ(cancel, VARIANT_TRUE);
  EXPECT_EQ(V_I4(&rgvarg[1]), 1);
}

}  // namespace
}  // namespace qh::win::test
