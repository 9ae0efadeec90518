#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestObjects.h"
#include "automation/Ref.h"

namespace qh {
namespace {

using fakes::Probe;

TEST(Ref, CopiesAddAndReleasesDropReferences) {
  bool ended = false;
  Ref<Probe> a = makeRef<Probe>([&] { ended = true; });
  EXPECT_EQ(a->refCount(), 1);
  {
    Ref<Probe> b = a;
    Ref<Object> c(b);  // converting copy
    EXPECT_EQ(a->refCount(), 3);
    EXPECT_TRUE(c == Ref<Object>(a));
  }
  EXPECT_EQ(a->refCount(), 1);
  EXPECT_FALSE(ended);
  a.reset();
  EXPECT_TRUE(ended);
  EXPECT_FALSE(a);
}

TEST(Ref, MovesTransferWithoutCounting) {
  Ref<Probe> a = makeRef<Probe>();
  Probe* p = a.get();
  Ref<Probe> b = std::move(a);
  EXPECT_FALSE(a);
  EXPECT_EQ(b.get(), p);
  EXPECT_EQ(p->refCount(), 1);
  Ref<Object> c = std::move(b);  // converting move
  EXPECT_FALSE(b);
  EXPECT_EQ(p->refCount(), 1);
  Ref<Object> d;
  d = std::move(c);
  EXPECT_FALSE(c);
  EXPECT_EQ(p->refCount(), 1);
}

TEST(Ref, SelfAssignmentKeepsTheObject) {
  bool ended = false;
  Ref<Probe> a = makeRef<Probe>([&] { ended = true; });
  Ref<Probe>& alias = a;
  a = alias;
  EXPECT_EQ(a->refCount(), 1);
  a = std::move(alias);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->refCount(), 1);
  EXPECT_FALSE(ended);
}

TEST(Ref, AssigningReleasesThePreviousObject) {
  std::vector<std::string> ended;
  Ref<Probe> a = makeRef<Probe>([&] { ended.push_back("first"); });
  Ref<Probe> b = makeRef<Probe>([&] { ended.push_back("second"); });
  a = b;
  EXPECT_EQ(ended, std::vector<std::string>{"first"});
  EXPECT_EQ(b->refCount(), 2);
  a = nullptr;
  b = nullptr;
  EXPECT_EQ(ended, (std::vector<std::string>{"first", "second"}));
}

// An object whose destructor looks back at the reference that held it, as a wrapper's
// destructor reaches the registry: by then that reference must read as empty.
struct Holder {
  Ref<Probe> member;
  bool memberWasEmpty = false;
  bool ended = false;
  Ref<Probe> makeWatched() {
    return makeRef<Probe>([this] {
      ended = true;
      memberWasEmpty = !member;
    });
  }
};

TEST(Ref, MemberIsEmptyBeforeTheObjectsDestructorRuns) {
  Holder byReset;
  byReset.member = byReset.makeWatched();
  byReset.member.reset();
  EXPECT_TRUE(byReset.ended);
  EXPECT_TRUE(byReset.memberWasEmpty);

  Holder byNull;
  byNull.member = byNull.makeWatched();
  byNull.member = nullptr;
  EXPECT_TRUE(byNull.memberWasEmpty);

  Holder byReplace;
  byReplace.member = byReplace.makeWatched();
  byReplace.member = makeRef<Probe>();  // the old object ends while the new one is already in
  EXPECT_TRUE(byReplace.ended);
  EXPECT_FALSE(byReplace.memberWasEmpty);
}

}  // namespace
}  // namespace qh
