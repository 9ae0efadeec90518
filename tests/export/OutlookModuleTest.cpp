// The user-property procedures against simulated Outlook items.
#include "export/OutlookModule.h"

#include <gtest/gtest.h>

#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::exporting {
namespace {

using sim::outlook::AppointmentItem;
using sim::outlook::UserPropertyValue;

class OutlookModuleTest : public ::testing::Test {
 protected:
  OutlookModuleTest() {
    AppointmentItem::Fields f;
    f.subject = "Review";
    f.start = Date::fromParts(2026, 12, 1, 9, 0, 0);
    item = outlook.addAppointment(outlook.calendar(), f);
  }
  void seed(const std::string& name, int type, Variant value) {
    item->seedUserProperty(UserPropertyValue{name, type, std::move(value)});
  }
  Variant get(const std::string& name, std::int32_t kind, const Variant& fallback = "") {
    return GetUserProperty(*item, name, kind, fallback);
  }
  const UserPropertyValue* stored(const std::string& name) {
    const auto* entry = item->userProperties().find(name);
    return entry ? &entry->property : nullptr;
  }

  sim::SimSystem system;
  sim::outlook::SimOutlook outlook{system};
  Ref<AppointmentItem> item;
};

TEST_F(OutlookModuleTest, AMissingPropertyReadsAsTheDefaultsOfItsKind) {
  EXPECT_EQ(get("X", kKindInteger, "12"), Variant(std::int16_t{12}));
  EXPECT_EQ(get("X", kKindInteger, "twelve"), Variant(std::int16_t{0}));
  EXPECT_EQ(get("X", kKindDate), Variant(Date()));
  EXPECT_EQ(get("X", kKindText, "fallback"), Variant("fallback"));
  EXPECT_EQ(get("X", kKindText, ""), Variant(""));
  EXPECT_EQ(get("X", kKindYesNo), Variant(false));
  EXPECT_TRUE(get("X", 99).isEmpty());
}

TEST_F(OutlookModuleTest, AnExistingPropertyReadsAsItsKindAsks) {
  seed("Hours", sim::outlook::kUserNumber, Variant(7.5));
  seed("Note", sim::outlook::kUserText, Variant("abc"));
  seed("Empty", sim::outlook::kUserText, Variant(""));
  seed("When", sim::outlook::kUserDateTime, Variant(Date::fromParts(2026, 12, 7, 14, 20, 0)));
  seed("Done", sim::outlook::kUserYesNo, Variant(true));
  EXPECT_EQ(get("Hours", kKindInteger), Variant(7.5)) << "a number is given unchanged";
  EXPECT_EQ(get("Note", kKindInteger), Variant(std::int16_t{0}));
  EXPECT_EQ(get("When", kKindDate), Variant(Date::fromParts(2026, 12, 7, 14, 20, 0)));
  EXPECT_EQ(get("Note", kKindDate), Variant(Date()));
  EXPECT_EQ(get("Empty", kKindText, "fallback"), Variant("fallback"));
  EXPECT_EQ(get("Note", kKindText, "fallback"), Variant("abc"));
  EXPECT_EQ(get("When", kKindYesNo), Variant(true)) << "a date other than zero reads as true";
  EXPECT_EQ(get("Hours", kKindYesNo), Variant(true));
  EXPECT_EQ(get("Done", kKindYesNo), Variant(true));
  EXPECT_TRUE(get("Done", 3).isEmpty());
}

TEST_F(OutlookModuleTest, SetCreatesThePropertyOfItsKindOnceAndOverwritesIt) {
  SetUserProperty(item.get(), "When", Date::fromParts(2026, 1, 2), kKindDate, false);
  SetUserProperty(item.get(), "When", Date::fromParts(2026, 3, 4), kKindDate, false);
  SetUserProperty(item.get(), "When", "not a date", kKindDate, false);
  ASSERT_EQ(item->userProperties().entries().size(), 1u);
  EXPECT_EQ(stored("When")->type, sim::outlook::kUserDateTime);
  EXPECT_EQ(stored("When")->value, Variant(Date::fromParts(2026, 3, 4)));
  EXPECT_FALSE(item->saved()) << "the caller saves";

  SetUserProperty(item.get(), "Count", "x", kKindInteger, true);
  EXPECT_EQ(stored("Count")->type, sim::outlook::kUserNumber);
  EXPECT_EQ(stored("Count")->value, Variant(0.0));
  EXPECT_TRUE(item->userProperties().find("Count")->addedToFolderFields);
  SetUserProperty(item.get(), "Note", 42, kKindText, false);
  EXPECT_EQ(stored("Note")->value, Variant("42"));
  SetUserProperty(item.get(), "Done", 1, kKindYesNo, false);
  EXPECT_EQ(stored("Done")->value, Variant(true));
}

TEST_F(OutlookModuleTest, SetWritesNothingForAnUnknownKindOrNoItem) {
  SetUserProperty(item.get(), "Odd", 1, 4, false);
  SetUserProperty(nullptr, "Done", true, kKindYesNo, false);
  DeleteUserProperty(nullptr, "Done");
  EXPECT_TRUE(item->userProperties().entries().empty());
}

TEST_F(OutlookModuleTest, DeleteRemovesOnlyAnExistingProperty) {
  seed("Done", sim::outlook::kUserYesNo, Variant(true));
  DeleteUserProperty(item.get(), "Missing");
  EXPECT_TRUE(item->saved());
  DeleteUserProperty(item.get(), "Done");
  EXPECT_EQ(stored("Done"), nullptr);
  EXPECT_NE(item->savedUserProperties().find("Done"), nullptr) << "until the caller saves";
}

TEST_F(OutlookModuleTest, FailuresAreIgnored) {
  item->failOn("UserProperties", "no properties");
  EXPECT_EQ(get("Done", kKindYesNo), Variant(false));
  EXPECT_NO_THROW(SetUserProperty(item.get(), "Done", true, kKindYesNo, false));
  EXPECT_NO_THROW(DeleteUserProperty(item.get(), "Done"));
  item->clearFaults();
  seed("Done", sim::outlook::kUserText, Variant("perhaps"));
  EXPECT_FALSE(get("Done", kKindYesNo).toBool()) << "unreadable as yes/no: no value";
}

// Any object with UserProperties serves; one that answers Nothing for them is no crash.
class WithoutProperties : public Object {
 public:
  Variant invoke(std::string_view, CallKind, Args&) override { return Variant(Ref<Object>()); }
};

TEST(OutlookModuleOnOtherObjects, AnObjectWithoutUserPropertiesReadsAsMissing) {
  auto object = makeRef<WithoutProperties>();
  EXPECT_EQ(GetUserProperty(*object, "Done", kKindYesNo, ""), Variant(false));
  EXPECT_NO_THROW(SetUserProperty(object.get(), "Done", true, kKindYesNo, false));
  EXPECT_NO_THROW(DeleteUserProperty(object.get(), "Done"));
}

}  // namespace
}  // namespace qh::exporting
