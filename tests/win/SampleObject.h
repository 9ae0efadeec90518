#pragma once

#include <string>

#include "automation/DispatchTable.h"
#include "automation/Events.h"

namespace qh::win::test {

// A small automation object of our own, to be seen through COM: a name (also its default
// member), an object-valued Child, members that echo, add, write a by-reference argument or
// fail, and events raised on request.
class SampleObject : public Object {
 public:
  explicit SampleObject(std::string name = "sample") : name_(std::move(name)) {}

  Variant invoke(std::string_view member, CallKind kind, Args& args) override {
    return table().invoke(*this, member, kind, args);
  }
  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }

  void raise(std::string_view event, Args& args) { events_.raise(event, args); }
  size_t sinkCount() const { return events_.sinkCount(); }
  const std::string& name() const { return name_; }
  const Ref<Object>& child() const { return child_; }

  static constexpr std::int32_t kFailureCode = 1004;

 private:
  static const DispatchTable<SampleObject>& table() {
    static const DispatchTable<SampleObject> t = [] {
      DispatchTable<SampleObject> d;
      const auto name = [](SampleObject& s, Args&) { return Variant(s.name_); };
      d.get("", name).get("Name", name);
      d.put("Name", [](SampleObject& s, Args& a) {
        s.name_ = putValue(a).toString();
        return Variant();
      });
      d.get("Child", [](SampleObject& s, Args&) { return Variant(s.child_); });
      d.put("Child", [](SampleObject& s, Args& a) {
        s.child_ = putValue(a).toObject();
        return Variant();
      });
      d.method("Echo", [](SampleObject&, Args& a) { return requiredArg(a, 0); });
      d.method("TypeOf",
               [](SampleObject&, Args& a) { return Variant(typeName(argAt(a, 0).type())); });
      d.method("Add", [](SampleObject&, Args& a) {
        return Variant(requiredArg(a, 0).toInt32() + requiredArg(a, 1).toInt32());
      });
      d.method("Bump", [](SampleObject&, Args& a) {
        a.at(0) = Variant(requiredArg(a, 0).toInt32() + 1);
        return Variant();
      });
      d.method("Fail", [](SampleObject&, Args& a) -> Variant {
        throw Error(kFailureCode, argAt(a, 0).toString());
      });
      return d;
    }();
    return t;
  }

  std::string name_;
  Ref<Object> child_;
  EventSource events_;
};

}  // namespace qh::win::test
