#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorCodes.h"
#include "forms/DatePicker.h"

namespace qh::forms {
namespace {

using Events = std::vector<std::string>;

// A picker set up as the export dialog's start date.
struct DatePickerTest : ::testing::Test {
  Ref<DatePicker> picker = makeRef<DatePicker>("StartDate", Rect{1080, 480, 1695, 315}, 2);
  Events events;
  void SetUp() override {
    picker->put("MinDate", Variant(Date::fromParts(2000, 1, 1)));
    picker->put("MaxDate", Variant(Date::fromParts(2049, 12, 30)));
    picker->setValue(Date::fromParts(2024, 3, 5, 14, 7, 9));
    picker->onChange([this] { events.push_back("Change"); });
    picker->onClick([this] { events.push_back("Click"); });
  }
  std::int32_t putError(const char* member, Variant value) {
    return fakes::errorCode([&] { picker->put(member, std::move(value)); });
  }
};

TEST_F(DatePickerTest, EachTimePartChangesOnlyItself) {
  picker->put("Hour", Variant(0));
  EXPECT_EQ(picker->value(), Date::fromParts(2024, 3, 5, 0, 7, 9));
  picker->put("Minute", Variant(0));
  EXPECT_EQ(picker->value(), Date::fromParts(2024, 3, 5, 0, 0, 9));
  picker->put("Second", Variant(0));
  EXPECT_EQ(picker->get("Value").toDate(), Date::fromParts(2024, 3, 5));
  picker->setSecond(59);
  EXPECT_EQ(picker->get("Second").toInt32(), 59);
  EXPECT_EQ(picker->get("Hour").toInt32(), 0);
}

TEST_F(DatePickerTest, TimePartsOutOfRangeAreInvalid) {
  const Date before = picker->value();
  EXPECT_EQ(putError("Hour", Variant(24)), fakes::kInvalidValue);
  EXPECT_EQ(putError("Minute", Variant(60)), fakes::kInvalidValue);
  EXPECT_EQ(putError("Second", Variant(-1)), fakes::kInvalidValue);
  EXPECT_EQ(picker->value(), before);
}

TEST_F(DatePickerTest, ValuesOutsideTheRangeAreInvalidAndChangeNothing) {
  const Date before = picker->value();
  EXPECT_EQ(putError("Value", Variant(Date::fromParts(2049, 12, 31))), fakes::kInvalidValue);
  EXPECT_EQ(putError("Value", Variant(Date::fromParts(1999, 12, 31, 23, 59, 59))),
            fakes::kInvalidValue);
  EXPECT_EQ(picker->value(), before);
  EXPECT_EQ(fakes::errorCode([&] { picker->pick(Date::fromParts(2050, 1, 1)); }),
            fakes::kInvalidValue);
  EXPECT_EQ(picker->value(), before);
  EXPECT_TRUE(events.empty());
}

TEST_F(DatePickerTest, TheRangeHoldsWholeDaysAtBothEnds) {
  picker->put("Value", Variant(Date::fromParts(2049, 12, 30, 23, 59, 59)));
  picker->put("Value", Variant(Date::fromParts(2000, 1, 1)));
  EXPECT_EQ(picker->get("Value").toDate(), Date::fromParts(2000, 1, 1));
  picker->setMaxDate(Date::fromParts(2049, 12, 31, 12));
  EXPECT_EQ(picker->get("MaxDate").toDate(), Date::fromParts(2049, 12, 31));
}

TEST_F(DatePickerTest, ValueFromCodeRaisesNoEventsButTheUsersChoiceDoes) {
  picker->put("Value", Variant("2024-04-01"));
  EXPECT_TRUE(events.empty());
  picker->pick(Date::fromParts(2024, 4, 2));
  EXPECT_EQ(picker->value(), Date::fromParts(2024, 4, 2));
  picker->call("Pick", Variant(Date::fromParts(2024, 4, 3)));
  picker->call("Click");
  EXPECT_EQ(events, (Events{"Change", "Change", "Click"}));
}

TEST_F(DatePickerTest, NarrowingTheRangeMovesTheValueInsideKeepingItsTime) {
  picker->setMinDate(Date::fromParts(2025, 1, 1));
  EXPECT_EQ(picker->value(), Date::fromParts(2025, 1, 1, 14, 7, 9));
  picker->setMaxDate(Date::fromParts(2025, 1, 1));
  EXPECT_EQ(picker->value(), Date::fromParts(2025, 1, 1, 14, 7, 9));
  EXPECT_EQ(putError("MinDate", Variant(Date::fromParts(2025, 1, 2))), fakes::kInvalidValue);
  EXPECT_EQ(putError("MaxDate", Variant(Date::fromParts(2024, 12, 31))), fakes::kInvalidValue);
  EXPECT_EQ(picker->minDate(), Date::fromParts(2025, 1, 1));
  EXPECT_TRUE(events.empty());
}

TEST_F(DatePickerTest, ADisabledPickerIgnoresTheUser) {
  picker->setEnabled(false);
  picker->pick(Date::fromParts(2024, 4, 2));
  picker->click();
  EXPECT_EQ(picker->value(), Date::fromParts(2024, 3, 5, 14, 7, 9));
  EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace qh::forms
