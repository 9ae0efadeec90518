#include "hosts/win/automation/ComPtr.h"

#include <gtest/gtest.h>

#include "tests/win/CountingDispatch.h"

namespace qh::win::test {
namespace {

TEST(ComPtrTest, TakesAReferenceFromARawPointerButNotWhenAdopting) {
  CountingDispatch object;
  {
    ComPtr<IDispatch> held(&object);
    EXPECT_EQ(object.refs, 1u);
  }
  EXPECT_EQ(object.refs, 0u);
  object.AddRef();
  {
    auto adopted = ComPtr<IDispatch>::adopt(&object);
    EXPECT_EQ(object.refs, 1u);
  }
  EXPECT_EQ(object.refs, 0u);
}

TEST(ComPtrTest, CopyAddsAReferenceAndMoveHandsItOver) {
  CountingDispatch object;
  ComPtr<IDispatch> first(&object);
  ComPtr<IDispatch> copy(first);
  EXPECT_EQ(object.refs, 2u);
  ComPtr<IDispatch> moved(std::move(copy));
  EXPECT_EQ(object.refs, 2u);
  EXPECT_FALSE(copy);
  EXPECT_EQ(moved.get(), &object);
  ComPtr<IDispatch> assigned;
  assigned = first;
  EXPECT_EQ(object.refs, 3u);
  assigned = std::move(moved);
  EXPECT_EQ(object.refs, 2u);  // assigned gave up its own reference, took moved's
}

TEST(ComPtrTest, SelfAssignmentKeepsExactlyOneReference) {
  CountingDispatch object;
  ComPtr<IDispatch> p(&object);
  auto& alias = p;
  p = alias;
  EXPECT_EQ(object.refs, 1u);
  p = std::move(alias);
  EXPECT_EQ(object.refs, 1u);
  EXPECT_EQ(p.get(), &object);
}

TEST(ComPtrTest, ResetPutAndDetachReleaseOnlyWhatTheyGiveUp) {
  CountingDispatch a, b;
  ComPtr<IDispatch> p(&a);
  p.reset();
  p.reset();
  EXPECT_EQ(a.refs, 0u);
  EXPECT_EQ(a.releases, 1);

  p = ComPtr<IDispatch>(&a);
  IDispatch** slot = p.put();  // an out parameter releases what was held
  EXPECT_EQ(a.refs, 0u);
  b.AddRef();
  *slot = &b;
  EXPECT_EQ(p.get(), &b);

  IDispatch* handed = p.detach();
  EXPECT_FALSE(p);
  EXPECT_EQ(b.refs, 1u);
  handed->Release();
}

TEST(ComPtrTest, AsQueriesAnotherInterfaceOrAnswersEmpty) {
  CountingDispatch object;
  ComPtr<IDispatch> p(&object);
  ComPtr<IUnknown> unknown = p.as<IUnknown>(IID_IUnknown);
  EXPECT_EQ(unknown.get(), static_cast<IUnknown*>(&object));
  EXPECT_EQ(object.refs, 2u);
  EXPECT_FALSE(p.as<IStream>(IID_IStream));
  EXPECT_FALSE(ComPtr<IDispatch>().as<IUnknown>(IID_IUnknown));
  EXPECT_EQ(object.refs, 2u);
}

}  // namespace
}  // namespace qh::win::test
