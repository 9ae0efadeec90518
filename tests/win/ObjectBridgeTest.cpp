// Objects crossing the boundary: one COM face per object of ours, one qh face per host object.
#include "hosts/win/automation/ObjectBridge.h"

#include <gtest/gtest.h>

#include "hosts/win/automation/VariantConversion.h"
#include "tests/win/CountingDispatch.h"
#include "tests/win/SampleObject.h"

namespace qh::win::test {
namespace {

class ObjectBridgeTest : public ::testing::Test {
 protected:
  ComVariant toCom(const Variant& v) { return toComVariant(v, *bridge); }
  Variant fromCom(const VARIANT& v) { return fromComVariant(v, *bridge); }

  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
};

TEST_F(ObjectBridgeTest, StoringAnObjectReleasesTheOneItReplaces) {
  CountingDispatch previous, next;
  previous.AddRef();
  IDispatch* slot = &previous;
  VARIANT target;
  V_VT(&target) = VT_BYREF | VT_DISPATCH;
  V_DISPATCHREF(&target) = &slot;
  storeByReference(target, Variant(bridge->objectFor(&next)), *bridge);
  EXPECT_EQ(previous.refs, 0u);
  EXPECT_EQ(slot, &next);
  EXPECT_EQ(next.refs, 1u);  // the slot's reference, once the temporary wrapper has gone
  slot->Release();
}

TEST_F(ObjectBridgeTest, ObjectsKeepTheirIdentityAcrossCrossings) {
  const Ref<Object> ours = makeRef<SampleObject>();
  const ComVariant out = toCom(Variant(ours));
  ASSERT_EQ(out.type(), VT_DISPATCH);
  EXPECT_EQ(fromCom(out.get()).toObject().get(), ours.get());  // our own object, not a wrapper
  EXPECT_EQ(V_DISPATCH(&toCom(Variant(ours)).get()), V_DISPATCH(&out.get()));

  CountingDispatch host;
  ComVariant in;
  V_VT(&in.get()) = VT_DISPATCH;
  V_DISPATCH(&in.get()) = &host;
  host.AddRef();
  const Variant wrapped = fromCom(in.get());
  EXPECT_EQ(wrapped.toObject()->identity(), static_cast<IUnknown*>(&host));
  EXPECT_EQ(V_DISPATCH(&toCom(wrapped).get()), &host);  // the host's own pointer goes back
}

TEST_F(ObjectBridgeTest, NothingIsANullDispatch) {
  const ComVariant nothing = toCom(Variant(Ref<Object>()));
  EXPECT_EQ(nothing.type(), VT_DISPATCH);
  EXPECT_EQ(V_DISPATCH(&nothing.get()), nullptr);
  const Variant back = fromCom(nothing.get());
  EXPECT_TRUE(back.isObject());
  EXPECT_FALSE(back.toObject());
}

}  // namespace
}  // namespace qh::win::test
