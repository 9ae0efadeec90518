#include "core/cObjectStore.h"

#include <gtest/gtest.h>

#include <functional>

namespace qh::core {
namespace {

// A stored object that reports its end, and may act on the registry while it ends.
class Probe : public Object {
 public:
  explicit Probe(std::function<void()> onEnd = {}) : onEnd_(std::move(onEnd)) {}
  ~Probe() override {
    if (onEnd_) onEnd_();
  }
  Variant invoke(std::string_view, CallKind, Args&) override { return {}; }

 private:
  std::function<void()> onEnd_;
};

// Another reference to the same host object: a distinct wrapper with the same identity.
class Alias : public Object {
 public:
  explicit Alias(const Object& target) : target_(target) {}
  const void* identity() const noexcept override { return target_.identity(); }
  Variant invoke(std::string_view, CallKind, Args&) override { return {}; }

 private:
  const Object& target_;
};

TEST(cObjectStore, StartsWith33EmptySlots) {
  cObjectStore store;
  auto probe = makeRef<Probe>();
  EXPECT_EQ(store.upperIndex(), 32);
  EXPECT_EQ(store.occupiedSlots(), 0);
  EXPECT_FALSE(store.Exists(probe.get()));
}

TEST(cObjectStore, GrowsBy16WhenFullAndReusesFreedSlots) {
  cObjectStore store;
  std::vector<Ref<Object>> objects;
  for (int i = 0; i < 34; ++i) {
    objects.push_back(makeRef<Probe>());
    store.Add(objects.back());
  }
  EXPECT_EQ(store.upperIndex(), 48);
  EXPECT_EQ(store.occupiedSlots(), 34);

  store.Delete(objects[5].get());
  EXPECT_FALSE(store.Exists(objects[5].get()));
  auto late = makeRef<Probe>();
  store.Add(late);
  EXPECT_EQ(store.upperIndex(), 48) << "a freed slot is reused before the array grows";
  EXPECT_TRUE(store.Exists(late.get()));
}

TEST(cObjectStore, FindsObjectsByIdentityAndDeletesOneEntryAtATime) {
  cObjectStore store;
  auto probe = makeRef<Probe>();
  store.Add(probe);
  store.Add(probe);
  Alias alias(*probe);
  EXPECT_TRUE(store.Exists(&alias));

  store.Delete(&alias);
  EXPECT_TRUE(store.Exists(probe.get())) << "the second entry still holds it";
  store.Delete(probe.get());
  EXPECT_FALSE(store.Exists(probe.get()));

  auto stranger = makeRef<Probe>();
  store.Delete(stranger.get());
  EXPECT_EQ(store.occupiedSlots(), 0);
}

TEST(cObjectStore, HoldsTheOnlyReferenceAndReleasesItOnDelete) {
  cObjectStore store;
  bool ended = false;
  Object* raw = nullptr;
  {
    auto probe = makeRef<Probe>([&] { ended = true; });
    raw = probe.get();
    store.Add(probe);
  }
  EXPECT_FALSE(ended);
  store.Delete(raw);
  EXPECT_TRUE(ended);
}

TEST(cObjectStore, DeleteAllSurvivesObjectsThatRemoveThemselvesWhileEnding) {
  cObjectStore store;
  int ended = 0;
  std::vector<const Object*> raws;
  for (int i = 0; i < 40; ++i) {
    Ref<Object> probe;
    // Like an inspector wrapper: its clean-up removes its registered inspector (stored later)
    // and itself from the registry that is emptying it.
    auto inspector = makeRef<Probe>([&] { ++ended; });
    probe = makeRef<Probe>([&store, &ended, inspector = inspector.get()] {
      store.Delete(inspector);
      ++ended;
    });
    raws.push_back(probe.get());
    store.Add(probe);
    store.Add(inspector);
  }
  store.DeleteAll();
  EXPECT_EQ(ended, 80);
  EXPECT_EQ(store.occupiedSlots(), 0);
  EXPECT_EQ(store.upperIndex(), 80) << "the array keeps its size";
}

TEST(cObjectStore, GrowingPastThe16BitLimitOverflowsWithoutStoring) {
  cObjectStore store;
  auto probe = makeRef<Probe>();
  while (store.upperIndex() < 32752 || store.occupiedSlots() <= store.upperIndex())
    store.Add(probe);
  EXPECT_EQ(store.upperIndex(), 32752);
  auto last = makeRef<Probe>();
  try {
    store.Add(last);
    FAIL() << "expected an overflow";
  } catch (const Error& e) {
    EXPECT_EQ(e.description(), "Overflow");
  }
  EXPECT_FALSE(store.Exists(last.get()));
  EXPECT_EQ(store.upperIndex(), 32752);
}

}  // namespace
}  // namespace qh::core
