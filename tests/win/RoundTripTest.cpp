// Our own object seen through real IDispatch: DispatchObject over ComDispatch over SampleObject,
// so that every call crosses GetIDsOfNames, Invoke, VARIANTs and EXCEPINFO both ways.
#include <gtest/gtest.h>

#include "hosts/win/automation/ComDispatch.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ObjectBridge.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

class RoundTripTest : public ::testing::Test {
 protected:
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  Ref<SampleObject> sample = makeRef<SampleObject>("first");
  // Made directly, not through objectFor(), which would hand back the sample itself.
  Ref<Object> remote = makeRef<DispatchObject>(bridge, bridge->dispatchFor(*sample));
};

TEST_F(RoundTripTest, PropertiesMethodsAndTheDefaultMemberCross) {
  EXPECT_EQ(remote->get("Name"), Variant("first"));
  remote->put("name", Variant("renamed"));
  EXPECT_EQ(sample->name(), "renamed");
  EXPECT_EQ(remote->get(""), Variant("renamed"));
  EXPECT_EQ(remote->call("Add", 2, 40), Variant(42));
}

TEST_F(RoundTripTest, ValuesArriveWithTheirTypes) {
  const Variant values[] = {
      Variant(std::int16_t{-3}),           Variant(true),   Variant(Date::fromParts(2049, 12, 31)),
      Variant("\xE2\x82\xAC 5"),           Variant::null(), Variant(StringArray{}),
      Variant(StringArray::of({"a", "b"}))};
  for (const Variant& v : values) EXPECT_EQ(remote->call("Echo", v), v) << typeName(v.type());
  // An omitted argument arrives as omitted, not as a value.
  EXPECT_EQ(remote->call("TypeOf", Variant::missing()), Variant("Error"));
  EXPECT_EQ(remote->call("TypeOf", Variant()), Variant("Empty"));
}

TEST_F(RoundTripTest, ByReferenceArgumentsAreWrittenBackAcrossBothSides) {
  Args args{Variant(41)};
  remote->invoke("Bump", CallKind::Call, args);
  EXPECT_EQ(args[0], Variant(42));
}

TEST_F(RoundTripTest, AnErrorCrossesWithItsDescriptionAndNumber) {
  try {
    remote->call("Fail", "Export Error: no calendar");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "Export Error: no calendar");
    EXPECT_EQ(e.code(), SampleObject::kFailureCode);
  }
  try {
    remote->get("Nonesuch");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), static_cast<std::int32_t>(ErrorCode::NotSupported));
    EXPECT_EQ(e.description(), Error::describe(ErrorCode::NotSupported));
  }
}

TEST_F(RoundTripTest, ObjectsPassedThroughComeBackAsThemselves) {
  const Ref<Object> child = makeRef<SampleObject>("child");
  remote->put("Child", Variant(child));  // PUTREF, which our side treats as a put
  EXPECT_EQ(sample->child().get(), child.get());
  EXPECT_EQ(remote->getObject("Child").get(), child.get());
}

TEST_F(RoundTripTest, OneObjectHasOneComFaceWhileItIsHeld) {
  const ComPtr<IDispatch> face = bridge->dispatchFor(*sample);
  EXPECT_EQ(bridge->dispatchFor(*sample), face);
  const Ref<Object> again = makeRef<DispatchObject>(bridge, face);
  EXPECT_TRUE(sameObject(again.get(), remote.get()));
  EXPECT_EQ(bridge->objectFor(face.get()).get(), sample.get());
}

TEST_F(RoundTripTest, TheFaceHoldsTheObjectUntilComReleasesIt) {
  const long before = sample->refCount();
  ComPtr<IDispatch> face = bridge->dispatchFor(*sample);
  EXPECT_EQ(sample->refCount(), before);  // the face already existed, held by remote
  remote.reset();
  face.reset();
  EXPECT_EQ(sample->refCount(), before - 1);
  const ComPtr<IDispatch> fresh = bridge->dispatchFor(*sample);
  EXPECT_EQ(sample->refCount(), before);
}

TEST_F(RoundTripTest, TheComSideAnswersDispatchProtocolErrors) {
  const ComPtr<IDispatch> face = bridge->dispatchFor(*sample);
  DISPPARAMS none{};
  EXPECT_EQ(face->Invoke(12345, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_FALSE(face.as<IConnectionPointContainer>());  // the sample raises no COM events yet
  UINT count = 1;
  EXPECT_EQ(face->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

}  // namespace
}  // namespace qh::win::test
