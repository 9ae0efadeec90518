#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "automation/DispatchTable.h"

namespace qh {
namespace {

// A small class in the style of the host's objects: a read-write, a read-only property
// and a method.
class Item : public Object {
 public:
  Variant invoke(std::string_view name, CallKind kind, Args& args) override {
    return table().invoke(*this, name, kind, args);
  }
  std::string subject = "Meeting";
  int saves = 0;

 private:
  static const DispatchTable<Item>& table() {
    static const DispatchTable<Item> t = [] {
      DispatchTable<Item> d;
      d.get("Subject", [](Item& i, Args&) { return Variant(i.subject); });
      d.put("Subject", [](Item& i, Args& a) {
        i.subject = putValue(a).toString();
        return Variant();
      });
      d.get("Class", [](Item&, Args&) { return Variant(26); });
      d.method("Save", [](Item& i, Args&) {
        ++i.saves;
        return Variant();
      });
      d.method("Find", [](Item&, Args& a) { return Variant(requiredArg(a, 0).toString()); });
      return d;
    }();
    return t;
  }
};

std::int32_t codeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.code();
  }
  return 0;
}

TEST(DispatchTable, NamesIgnoreCase) {
  Ref<Item> item = makeRef<Item>();
  item->put("SUBJECT", Variant("Review"));
  EXPECT_EQ(item->get("subject").toString(), "Review");
  item->call("save");
  EXPECT_EQ(item->saves, 1);
}

TEST(DispatchTable, GetAndCallReachTheSameMember) {
  Ref<Item> item = makeRef<Item>();
  item->get("Save");
  EXPECT_EQ(item->saves, 1);
  EXPECT_EQ(item->call("Class").toInt32(), 26);
  EXPECT_EQ(item->get("Find", "x").toString(), "x");
}

TEST(DispatchTable, UnknownMembersAndReadOnlyPutsAreNotSupported) {
  Ref<Item> item = makeRef<Item>();
  const auto notSupported = static_cast<std::int32_t>(ErrorCode::NotSupported);
  EXPECT_EQ(codeOf([&] { item->get("Body"); }), notSupported);
  EXPECT_EQ(codeOf([&] { item->put("Class", Variant(1)); }), notSupported);
  EXPECT_EQ(codeOf([&] { item->put("Save", Variant(1)); }), notSupported);
  EXPECT_TRUE(item->tryGetObject("Body") == nullptr);
}

TEST(DispatchTable, MissingArgumentsAreNotOptional) {
  Ref<Item> item = makeRef<Item>();
  const auto notOptional = static_cast<std::int32_t>(ErrorCode::ArgumentNotOptional);
  EXPECT_EQ(codeOf([&] { item->call("Find"); }), notOptional);
  EXPECT_EQ(codeOf([&] { item->call("Find", Variant::missing()); }), notOptional);
  Args none;
  EXPECT_EQ(codeOf([&] { item->invoke("Subject", CallKind::Put, none); }), notOptional);
}

}  // namespace
}  // namespace qh
