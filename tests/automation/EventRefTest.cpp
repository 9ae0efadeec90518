#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/Error.h"
#include "automation/Events.h"

namespace qh {
namespace {

// A host object with events.
class Source : public Object {
 public:
  Variant invoke(std::string_view, CallKind, Args&) override {
    throw Error(ErrorCode::NotSupported);
  }
  std::unique_ptr<Connection> advise(EventSink& sink) override { return events.advise(sink); }
  EventSource events;
};

// A host object without events: advise refuses.
class Mute : public Object {
 public:
  Variant invoke(std::string_view, CallKind, Args&) override {
    throw Error(ErrorCode::NotSupported);
  }
};

// A wrapper that receives its source's events through an EventRef member.
class Wrapper : public Object {
 public:
  Wrapper(std::function<void(std::string_view)> onEvent, bool& ended)
      : source(*this, [this](std::string_view name, Args&) { onEvent_(name); }),
        onEvent_(std::move(onEvent)),
        ended_(ended) {}
  ~Wrapper() override { ended_ = true; }
  Variant invoke(std::string_view, CallKind, Args&) override {
    throw Error(ErrorCode::NotSupported);
  }

  EventRef source;

 private:
  std::function<void(std::string_view)> onEvent_;
  bool& ended_;
};

TEST(EventRef, SettingConnectsAndEmptyingDisconnects) {
  bool ended = false;
  std::vector<std::string> heard;
  Ref<Wrapper> wrapper =
      makeRef<Wrapper>([&](std::string_view e) { heard.emplace_back(e); }, ended);
  Ref<Source> first = makeRef<Source>(), second = makeRef<Source>();

  wrapper->source.set(first);
  EXPECT_EQ(first->events.sinkCount(), 1u);
  first->events.raise("Activate");
  wrapper->source.set(second);
  EXPECT_EQ(first->events.sinkCount(), 0u);
  EXPECT_EQ(second->events.sinkCount(), 1u);
  first->events.raise("Ignored");
  second->events.raise("Close");
  wrapper->source.reset();
  EXPECT_EQ(second->events.sinkCount(), 0u);
  EXPECT_FALSE(wrapper->source);
  EXPECT_EQ(heard, (std::vector<std::string>{"Activate", "Close"}));
}

TEST(EventRef, ARefusingSourceRaisesAndLeavesTheReferenceEmpty) {
  bool ended = false;
  Ref<Wrapper> wrapper = makeRef<Wrapper>([](std::string_view) {}, ended);
  Ref<Source> previous = makeRef<Source>();
  wrapper->source.set(previous);
  EXPECT_THROW(wrapper->source.set(makeRef<Mute>()), Error);
  EXPECT_FALSE(wrapper->source);
  EXPECT_EQ(previous->events.sinkCount(), 0u);
}

TEST(EventRef, KeepsItsOwnerAliveWhileAHandlerDropsTheLastReference) {
  bool ended = false;
  bool endedDuringHandler = true;
  Ref<Wrapper> wrapper;
  Ref<Source> source = makeRef<Source>();
  wrapper = makeRef<Wrapper>(
      [&](std::string_view) {
        wrapper.reset();  // the registry lets go of the wrapper
        endedDuringHandler = ended;
      },
      ended);
  wrapper->source.set(source);
  source->events.raise("Close");
  EXPECT_FALSE(endedDuringHandler);
  EXPECT_TRUE(ended);
  EXPECT_EQ(source->events.sinkCount(), 0u);
}

TEST(EventRef, AHandlerMayEmptyItsOwnReference) {
  bool ended = false;
  Ref<Wrapper> wrapper;
  wrapper = makeRef<Wrapper>([&](std::string_view) { wrapper->source.reset(); }, ended);
  Ref<Source> source = makeRef<Source>();
  wrapper->source.set(source);
  source->events.raise("Close");
  EXPECT_FALSE(wrapper->source);
  EXPECT_EQ(source->events.sinkCount(), 0u);
  EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace qh
