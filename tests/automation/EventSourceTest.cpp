#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/Error.h"
#include "automation/Events.h"

namespace qh {
namespace {

// A sink that records the events it gets, then runs an optional action.
class RecordingSink : public EventSink {
 public:
  RecordingSink(std::vector<std::string>& log, std::string name, std::function<void()> action = {})
      : log_(log), name_(std::move(name)), action_(std::move(action)) {}
  void onEvent(std::string_view event, Args&) override {
    log_.push_back(name_ + ":" + std::string(event));
    if (action_) action_();
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
  std::function<void()> action_;
};

using Log = std::vector<std::string>;

TEST(EventSource, DeliversInConnectionOrderUntilDisconnected) {
  EventSource source;
  Log log;
  RecordingSink a(log, "a"), b(log, "b");
  auto ca = source.advise(a);
  auto cb = source.advise(b);
  EXPECT_EQ(source.sinkCount(), 2u);
  source.raise("Change");
  ca.reset();
  EXPECT_EQ(source.sinkCount(), 1u);
  source.raise("Click");
  EXPECT_EQ(log, (Log{"a:Change", "b:Change", "b:Click"}));
}

TEST(EventSource, ArgumentsAreWritableInPlace) {
  EventSource source;
  struct CancelSink : EventSink {
    void onEvent(std::string_view, Args& args) override { args[0] = Variant(true); }
  } sink;
  auto connection = source.advise(sink);
  Args args{Variant(false)};
  source.raise("ItemSend", args);
  EXPECT_TRUE(args[0].toBool());
}

TEST(EventSource, SinksDisconnectedDuringARaiseAreSkipped) {
  EventSource source;
  Log log;
  std::unique_ptr<Connection> cb;
  RecordingSink a(log, "a", [&] { cb.reset(); });
  RecordingSink b(log, "b");
  auto ca = source.advise(a);
  cb = source.advise(b);
  source.raise("Close");
  EXPECT_EQ(log, Log{"a:Close"});
}

TEST(EventSource, SinksConnectedDuringARaiseWaitForTheNextOne) {
  EventSource source;
  Log log;
  RecordingSink late(log, "late");
  std::unique_ptr<Connection> lateConnection;
  RecordingSink a(log, "a", [&] {
    if (!lateConnection) lateConnection = source.advise(late);
  });
  auto ca = source.advise(a);
  source.raise("First");
  source.raise("Second");
  EXPECT_EQ(log, (Log{"a:First", "a:Second", "late:Second"}));
}

TEST(EventSource, ASinkMayDisconnectItself) {
  EventSource source;
  Log log;
  std::unique_ptr<Connection> ca;
  RecordingSink a(log, "a", [&] { ca.reset(); });
  RecordingSink b(log, "b");
  ca = source.advise(a);
  auto cb = source.advise(b);
  source.raise("Close");
  source.raise("Close");
  EXPECT_EQ(log, (Log{"a:Close", "b:Close", "b:Close"}));
}

TEST(EventSource, AFailingSinkDoesNotStopTheOthersAndTheFirstFailureIsRaised) {
  EventSource source;
  Log log;
  RecordingSink a(log, "a", [] { throw Error(1001, "first"); });
  RecordingSink b(log, "b");
  RecordingSink c(log, "c", [] { throw Error(1002, "second"); });
  auto ca = source.advise(a), cb = source.advise(b), cc = source.advise(c);
  try {
    source.raise("Save");
    ADD_FAILURE() << "the failure was swallowed";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), 1001);
    EXPECT_EQ(e.description(), "first");
  }
  EXPECT_EQ(log, (Log{"a:Save", "b:Save", "c:Save"}));
}

TEST(EventSource, AConnectionMayOutliveItsSource) {
  Log log;
  RecordingSink a(log, "a");
  auto source = std::make_unique<EventSource>();
  auto connection = source->advise(a);
  source.reset();
  connection.reset();  // must not reach the ended source
  EXPECT_TRUE(log.empty());
}

TEST(EventSource, ASourceEndedByASinkStopsDeliveringAndReturns) {
  Log log;
  auto source = std::make_unique<EventSource>();
  RecordingSink a(log, "a", [&] { source.reset(); });
  RecordingSink b(log, "b");
  auto ca = source->advise(a);
  auto cb = source->advise(b);
  EventSource* raw = source.get();
  raw->raise("Quit");
  EXPECT_EQ(log, Log{"a:Quit"});
}

}  // namespace
}  // namespace qh
