#include <gtest/gtest.h>

#include "TestObjects.h"
#include "automation/Error.h"
#include "automation/Variant.h"

namespace qh {
namespace {

template <class F>
std::int32_t errorCodeOf(F&& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.code();
  }
  return 0;
}

constexpr std::int32_t kOverflow = static_cast<std::int32_t>(ErrorCode::Overflow);
constexpr std::int32_t kMismatch = static_cast<std::int32_t>(ErrorCode::TypeMismatch);
constexpr std::int32_t kNull = static_cast<std::int32_t>(ErrorCode::InvalidUseOfNull);

TEST(VariantConversion, BooleansAreMinusOneAndZero) {
  EXPECT_EQ(Variant(true).toInt16(), -1);
  EXPECT_EQ(Variant(true).toInt32(), -1);
  EXPECT_EQ(Variant(true).toDouble(), -1.0);
  EXPECT_EQ(Variant(false).toInt32(), 0);
  EXPECT_EQ(Variant(true).toString(), "True");
  EXPECT_EQ(Variant(false).toString(), "False");
  EXPECT_TRUE(Variant(-1).toBool());
  EXPECT_TRUE(Variant(0.25).toBool());
  EXPECT_FALSE(Variant(std::int16_t{0}).toBool());
  EXPECT_TRUE(Variant("true").toBool());
  EXPECT_FALSE(Variant(" FALSE ").toBool());
  EXPECT_TRUE(Variant("2").toBool());
  EXPECT_EQ(errorCodeOf([] { Variant("yes").toBool(); }), kMismatch);
}

TEST(VariantConversion, IntegersRoundHalfToEven) {
  EXPECT_EQ(Variant(0.5).toInt16(), 0);
  EXPECT_EQ(Variant(1.5).toInt16(), 2);
  EXPECT_EQ(Variant(2.5).toInt16(), 2);
  EXPECT_EQ(Variant(-2.5).toInt32(), -2);
  EXPECT_EQ(Variant(-3.5).toInt32(), -4);
  EXPECT_EQ(Variant(2.51).toInt32(), 3);
  EXPECT_EQ(Variant("3.5").toInt32(), 4);
}

TEST(VariantConversion, IntegersOutOfRangeOverflow) {
  EXPECT_EQ(Variant(32767).toInt16(), 32767);
  EXPECT_EQ(Variant(-32768).toInt16(), -32768);
  EXPECT_EQ(errorCodeOf([] { Variant(32768).toInt16(); }), kOverflow);
  EXPECT_EQ(errorCodeOf([] { Variant(-32769).toInt16(); }), kOverflow);
  // 32767.5 rounds to the even 32768, past the range.
  EXPECT_EQ(errorCodeOf([] { Variant(32767.5).toInt16(); }), kOverflow);
  EXPECT_EQ(Variant(32766.5).toInt16(), 32766);
  EXPECT_EQ(errorCodeOf([] { Variant(2147483648.0).toInt32(); }), kOverflow);
  EXPECT_EQ(errorCodeOf([] { Variant(3000000000L); }), kOverflow);
}

TEST(VariantConversion, TextReadsAsNumberOrMismatches) {
  EXPECT_EQ(Variant(" 12 ").toInt32(), 12);
  EXPECT_EQ(Variant("+5").toDouble(), 5.0);
  EXPECT_EQ(Variant("-0.25").toDouble(), -0.25);
  EXPECT_EQ(Variant("1e3").toDouble(), 1000.0);
  EXPECT_EQ(errorCodeOf([] { Variant("").toDouble(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant("12abc").toInt32(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant("Project").toInt16(); }), kMismatch);
}

TEST(VariantConversion, NumbersWriteAsText) {
  EXPECT_EQ(Variant(std::int16_t{-7}).toString(), "-7");
  EXPECT_EQ(Variant(123456).toString(), "123456");
  EXPECT_EQ(Variant(1.5).toString(), "1.5");
  EXPECT_EQ(Variant(0.1 + 0.2).toString(), "0.3");
  EXPECT_EQ(Variant(-0.0).toString(), "0");
  EXPECT_EQ(Variant(1e20).toString(), "1E+20");
  EXPECT_EQ(Variant(90.0 / 60.0).toString(), "1.5");
}

TEST(VariantConversion, NumberTextRoundTrips) {
  for (double v : {0.75, -12.125, 1234567.5, 4.0 / 3.0}) {
    const Variant text(Variant(v).toString());
    EXPECT_NEAR(text.toDouble(), v, 1e-12) << text.toString();
  }
}

TEST(VariantConversion, DatesReadAndWriteAsText) {
  const Date d = Date::fromParts(2024, 3, 5, 14, 7, 9);
  EXPECT_EQ(Variant(d).toString(), "2024-03-05 14:07:09");
  EXPECT_EQ(Variant(Date::fromParts(2024, 3, 5)).toString(), "2024-03-05");
  EXPECT_EQ(Variant(Date(0.5)).toString(), "12:00:00");

  EXPECT_EQ(Variant("2024-03-05 14:07:09").toDate(), d);
  EXPECT_EQ(Variant("2024-03-05T14:07:09").toDate(), d);
  EXPECT_EQ(Variant("3/5/2024 2:07:09 PM").toDate(), d);
  EXPECT_EQ(Variant("3/5/2024 12:30 AM").toDate(), Date::fromParts(2024, 3, 5, 0, 30));
  EXPECT_EQ(Variant("3/5/2024 12:30 PM").toDate(), Date::fromParts(2024, 3, 5, 12, 30));
  EXPECT_EQ(Variant("2:30 PM").toDate(), Date::fromParts(1899, 12, 30, 14, 30));
  EXPECT_EQ(errorCodeOf([] { Variant("2023-02-29").toDate(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant("13:00 PM").toDate(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant("2024-03-05 25:00").toDate(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant("next week").toDate(); }), kMismatch);
}

TEST(VariantConversion, DateTextRoundTripsIncludingTimeOnly) {
  for (Date d : {Date::fromParts(2049, 12, 31, 23, 59, 59), Date::fromParts(2000, 1, 1), Date(0.75),
                 Date()}) {
    const Variant text(Variant(d).toString());
    EXPECT_TRUE(text.isDate()) << text.toString();
    EXPECT_EQ(text.toDate(), d) << text.toString();
  }
}

TEST(VariantConversion, DatesAreDaysAsDoubles) {
  EXPECT_EQ(Variant(Date::fromParts(2000, 1, 1, 18)).toDouble(), 36526.75);
  EXPECT_EQ(Variant(36526.75).toDate(), Date::fromParts(2000, 1, 1, 18));
  EXPECT_EQ(Variant("36526").toDate(), Date::fromParts(2000, 1, 1));
}

TEST(VariantConversion, NullRaisesAndEmptyIsZeroOrNothing) {
  const Variant null = Variant::null();
  EXPECT_EQ(errorCodeOf([&] { null.toString(); }), kNull);
  EXPECT_EQ(errorCodeOf([&] { null.toInt32(); }), kNull);
  EXPECT_EQ(errorCodeOf([&] { null.toBool(); }), kNull);
  EXPECT_EQ(errorCodeOf([&] { null.toDate(); }), kNull);
  EXPECT_EQ(errorCodeOf([&] { null.toObject(); }), kMismatch);

  const Variant empty;
  EXPECT_EQ(empty.toString(), "");
  EXPECT_EQ(empty.toInt16(), 0);
  EXPECT_FALSE(empty.toBool());
  EXPECT_EQ(empty.toDate(), Date());
  EXPECT_FALSE(empty.toObject());
  EXPECT_TRUE(empty.isNumeric());
  EXPECT_FALSE(null.isNumeric());
}

TEST(VariantConversion, ObjectsConvertThroughTheirDefaultMember) {
  const Variant folder(makeRef<fakes::ValueObject>(Variant("Calendar")));
  EXPECT_EQ(folder.toString(), "Calendar");
  const Variant count(makeRef<fakes::ValueObject>(Variant(std::int16_t{42})));
  EXPECT_EQ(count.toInt32(), 42);
  EXPECT_EQ(count.toString(), "42");
  const Variant nothing{Ref<Object>()};
  EXPECT_EQ(errorCodeOf([&] { nothing.toString(); }),
            static_cast<std::int32_t>(ErrorCode::ObjectNotSet));
  EXPECT_EQ(errorCodeOf([] { Variant("text").toObject(); }), kMismatch);
}

TEST(VariantConversion, ArraysAndMissingHaveNoScalarValue) {
  EXPECT_NE(StringArray(), StringArray::of({}));
  EXPECT_EQ(errorCodeOf([] { Variant(StringArray::of({"a"})).toString(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant(42).toStringArray(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant::missing().toInt32(); }), kMismatch);
  EXPECT_EQ(errorCodeOf([] { Variant(42).asString(); }), kMismatch);
}

}  // namespace
}  // namespace qh
