#include "hosts/win/automation/DispatchObject.h"

#include <gtest/gtest.h>

#include "hosts/win/automation/ObjectBridge.h"
#include "tests/win/RecordingDispatch.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

constexpr WORD kGetOrCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

class DispatchObjectTest : public ::testing::Test {
 protected:
  DispatchObjectTest() { host.members = {{L"Subject", 7}, {L"Save", 8}, {L"Parent", 9}}; }

  RecordingDispatch host;
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  Ref<Object> object = makeRef<DispatchObject>(bridge, ComPtr<IDispatch>(&host));
};

TEST_F(DispatchObjectTest, EachKindOfCallUsesItsFlagsAndTheDefaultMemberIsDispidValue) {
  object->get("Subject");
  object->call("Save");
  object->put("Subject", Variant("New Time"));
  object->get("");
  ASSERT_EQ(host.calls.size(), 4u);
  EXPECT_EQ(host.calls[0].id, 7);
  EXPECT_EQ(host.calls[0].flags, kGetOrCall);
  EXPECT_EQ(host.calls[1].flags, DISPATCH_METHOD) << "a call for its effect, as VB makes it";
  EXPECT_EQ(host.calls[2].flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(host.calls[2].named, std::vector<DISPID>{DISPID_PROPERTYPUT});
  EXPECT_EQ(host.calls[3].id, DISPID_VALUE);
}

TEST_F(DispatchObjectTest, EveryLookUpAndCallIsInTheEnglishLocale) {
  // A member that is a property when called, and takes objects only by value.
  host.handler = [](const RecordingDispatch::Call& call, DISPPARAMS&, VARIANT*, EXCEPINFO*) {
    return call.id == 9 && (call.flags == DISPATCH_METHOD || call.flags == DISPATCH_PROPERTYPUTREF)
               ? DISP_E_MEMBERNOTFOUND
               : S_OK;
  };
  object->get("Subject");
  object->call("Save");
  object->call("Parent");
  object->put("Subject", Variant("New Time"));
  object->put("Parent", Variant(Ref<Object>(makeRef<SampleObject>())));
  object->get("");
  EXPECT_EQ(host.nameLookups, 3);
  ASSERT_EQ(host.calls.size(), 8u) << "every kind of call and both fallbacks";
  EXPECT_EQ(host.locales, std::vector<LCID>(3 + 8, 1033));
}

TEST_F(DispatchObjectTest, ACallOfAPropertyIsRepeatedAsAGet) {
  host.handler = [](const RecordingDispatch::Call& call, DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    if (call.flags == DISPATCH_METHOD) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_I4;
    V_I4(result) = 9;
    return S_OK;
  };
  EXPECT_EQ(object->call("Parent"), Variant(9));
  ASSERT_EQ(host.calls.size(), 2u);
  EXPECT_EQ(host.calls[1].flags, kGetOrCall);
}

TEST_F(DispatchObjectTest, NamesAreLookedUpOncePerObjectAndSpelling) {
  host.members[L"SUBJECT"] = 7;
  object->get("Subject");
  object->get("Subject");
  EXPECT_EQ(host.nameLookups, 1);
  object->get("SUBJECT");  // the host hears a member spelt as the caller spells it
  EXPECT_EQ(host.nameLookups, 2);
  object->get("");
  EXPECT_EQ(host.nameLookups, 2);
}

TEST_F(DispatchObjectTest, AnUnknownMemberIsObjectDoesntSupport) {
  try {
    object->get("Nonesuch");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 438);
    EXPECT_EQ(e.description(), "Object doesn't support this property or method");
  }
}

TEST_F(DispatchObjectTest, AnObjectIsSetByReferenceWhereTheMemberAllowsIt) {
  object->put("Parent", Variant(makeRef<SampleObject>()));
  ASSERT_EQ(host.calls.size(), 1u);
  EXPECT_EQ(host.calls[0].flags, DISPATCH_PROPERTYPUTREF);
  EXPECT_EQ(host.calls[0].types, std::vector<VARTYPE>{VT_DISPATCH});
}

TEST_F(DispatchObjectTest, WithoutPutRefTheObjectIsAssignedByValue) {
  host.handler = [](const RecordingDispatch::Call& call, DISPPARAMS&, VARIANT*, EXCEPINFO*) {
    return call.flags == DISPATCH_PROPERTYPUTREF ? DISP_E_MEMBERNOTFOUND : S_OK;
  };
  object->put("Parent", Variant(makeRef<SampleObject>()));
  ASSERT_EQ(host.calls.size(), 2u);
  EXPECT_EQ(host.calls[1].flags, DISPATCH_PROPERTYPUT);
}

TEST_F(DispatchObjectTest, AFailingPutRefIsNotRepeatedAsAPut) {
  host.handler = [](const RecordingDispatch::Call&, DISPPARAMS&, VARIANT*, EXCEPINFO* info) {
    info->bstrDescription = SysAllocString(L"Read-only");
    return DISP_E_EXCEPTION;
  };
  EXPECT_THROW(object->put("Parent", Variant(makeRef<SampleObject>())), Error);
  EXPECT_EQ(host.calls.size(), 1u);
}

TEST_F(DispatchObjectTest, ArgumentsTheHostWritesAreCopiedBack) {
  host.handler = [](const RecordingDispatch::Call&, DISPPARAMS& params, VARIANT* result,
                    EXCEPINFO*) {
    *V_BOOLREF(&params.rgvarg[0]) = VARIANT_TRUE;  // the last argument, Cancel
    V_VT(result) = VT_I4;
    V_I4(result) = 3;
    return S_OK;
  };
  Args args{Variant("item"), Variant(false)};
  EXPECT_EQ(object->invoke("Save", CallKind::Call, args), Variant(3));
  EXPECT_EQ(host.calls[0].types, (std::vector<VARTYPE>{VT_BYREF | VT_BOOL, VT_BYREF | VT_BSTR}));
  EXPECT_EQ(args[1], Variant(true));
  EXPECT_EQ(args[0], Variant("item"));
}

TEST_F(DispatchObjectTest, TheHostsExceptionBecomesTheError) {
  host.handler = [](const RecordingDispatch::Call&, DISPPARAMS&, VARIANT*, EXCEPINFO* info) {
    info->bstrDescription = SysAllocString(L"The item has been moved or deleted.");
    info->scode = static_cast<SCODE>(0x8004010F);
    return DISP_E_EXCEPTION;
  };
  try {
    object->call("Save");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "The item has been moved or deleted.");
    EXPECT_EQ(e.code(), static_cast<std::int32_t>(0x8004010F));
  }
}

TEST_F(DispatchObjectTest, IdentityIsTheIUnknownAndEveryReferenceIsReturned) {
  EXPECT_EQ(object->identity(), static_cast<IUnknown*>(&host));
  Ref<Object> other = makeRef<DispatchObject>(bridge, ComPtr<IDispatch>(&host));
  EXPECT_TRUE(sameObject(object.get(), other.get()));
  object->get("Subject");
  object.reset();
  other.reset();
  EXPECT_EQ(host.refs, 0u);
}

}  // namespace
}  // namespace qh::win::test
