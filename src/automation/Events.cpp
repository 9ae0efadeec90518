#include "automation/Events.h"

#include <algorithm>
#include <exception>

namespace qh {

class EventSource::SlotConnection : public Connection {
 public:
  SlotConnection(const std::shared_ptr<Slots>& slots, std::shared_ptr<Slot> slot)
      : slots_(slots), slot_(std::move(slot)) {}
  ~SlotConnection() override {
    slot_->sink = nullptr;
    // The source may have ended first (an object released while a wrapper still holds a
    // connection handle); then there is no list to leave.
    if (auto slots = slots_.lock()) std::erase(*slots, slot_);
  }

 private:
  std::weak_ptr<Slots> slots_;
  std::shared_ptr<Slot> slot_;
};

EventSource::~EventSource() {
  for (auto& slot : *slots_) slot->sink = nullptr;
}

std::unique_ptr<Connection> EventSource::advise(EventSink& sink) {
  auto slot = std::make_shared<Slot>(Slot{&sink});
  slots_->push_back(slot);
  return std::make_unique<SlotConnection>(slots_, std::move(slot));
}

void EventSource::raise(std::string_view name, Args& args) {
  const Slots snapshot = *slots_;
  std::exception_ptr first;
  for (const auto& slot : snapshot) {
    if (!slot->sink) continue;
    try {
      slot->sink->onEvent(name, args);
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

size_t EventSource::sinkCount() const {
  return static_cast<size_t>(
      std::count_if(slots_->begin(), slots_->end(), [](const auto& s) { return s->sink; }));
}

EventRef::EventRef(Object& owner, Handler handler) : owner_(owner), handler_(std::move(handler)) {}

EventRef::~EventRef() {
  reset();
}

void EventRef::set(Ref<Object> object) {
  reset();
  if (!object) return;
  auto connection = object->advise(sink_);
  object_ = std::move(object);
  connection_ = std::move(connection);
}

void EventRef::reset() noexcept {
  connection_.reset();
  object_.reset();
}

void EventRef::Sink::onEvent(std::string_view name, Args& args) {
  Ref<Object> keepAlive(&ref_.owner_);
  // Copy the handler: the handler may empty this very reference (and, once keepAlive goes,
  // end the owner that holds it).
  const Handler handler = ref_.handler_;
  handler(name, args);
}

}  // namespace qh
