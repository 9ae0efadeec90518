#include <gtest/gtest.h>

#include <functional>

#include "automation/Error.h"
#include "automation/Int16.h"

namespace qh {
namespace {

void expectOverflow(const std::function<void()>& f) {
  try {
    f();
    ADD_FAILURE() << "no overflow";
  } catch (const Error& e) {
    EXPECT_EQ(e.code(), static_cast<std::int32_t>(ErrorCode::Overflow));
    EXPECT_EQ(e.description(), "Overflow");
  }
}

TEST(Int16, CountsUpToItsLargestValue) {
  Int16 i(32765);
  ++i;
  i += 1;
  EXPECT_EQ(i.value(), 32767);
}

TEST(Int16, PassingTheLargestValueOverflowsAndKeepsTheValue) {
  Int16 i(32767);
  expectOverflow([&] { ++i; });
  EXPECT_EQ(i.value(), 32767);
  Int16 j(32000);
  expectOverflow([&] { j += 768; });
  EXPECT_EQ(j.value(), 32000);
}

TEST(Int16, PassingTheSmallestValueOverflows) {
  Int16 i(-32767);
  i += -1;
  EXPECT_EQ(i.value(), -32768);
  expectOverflow([&] { i += -1; });
}

TEST(Int16, CheckedAcceptsOnlyTheRange) {
  EXPECT_EQ(Int16::checked(-32768).value(), -32768);
  EXPECT_EQ(Int16::checked(32767).value(), 32767);
  expectOverflow([] { Int16::checked(32768); });
  expectOverflow([] { Int16::checked(-32769); });
}

}  // namespace
}  // namespace qh
