#include <gtest/gtest.h>

#include "OutlookFixture.h"

namespace qh::sim::outlook {
namespace {

using testing::OutlookTest;

class UserPropertiesTest : public OutlookTest {
 protected:
  void SetUp() override {
    time = addTime(outlook.calendar(), "Review", "Support");
    properties = time->getObject("UserProperties");
  }
  Ref<Object> add(const std::string& name, int type, bool toFolder = false) {
    return properties->getObject("Add", name, type, toFolder);
  }

  Ref<AppointmentItem> time;
  Ref<Object> properties;
};

TEST_F(UserPropertiesTest, FindAnswersNothingForAMissingPropertyAndIgnoresCase) {
  EXPECT_FALSE(properties->getObject("Find", "QuillhourExported"));
  add("QuillhourExported", kUserDateTime);
  Ref<Object> found = properties->getObject("Find", "quillhourexported");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->get("Name").toString(), "QuillhourExported");
  EXPECT_EQ(found->get("Type").toInt32(), kUserDateTime);
}

TEST_F(UserPropertiesTest, NewPropertiesHoldTheEmptyValueOfTheirType) {
  EXPECT_EQ(add("Note", kUserText)->get("Value"), Variant(""));
  EXPECT_EQ(add("Hours", kUserNumber)->get("Value"), Variant(0.0));
  EXPECT_EQ(add("When", kUserDateTime)->get("Value"), Variant(Date::fromParts(4501, 1, 1)));
  EXPECT_EQ(add("Done", kUserYesNo)->get("Value"), Variant(false));
  EXPECT_EQ(properties->get("Count").toInt32(), 4);
  EXPECT_EQ(properties->getObject("Item", 2)->get("Name").toString(), "Hours");
  EXPECT_EQ(properties->getObject("Item", "done")->get("Name").toString(), "Done");
  properties->call("Remove", 1);
  EXPECT_EQ(properties->get("Count").toInt32(), 3);
  EXPECT_EQ(properties->getObject("Item", 1)->get("Name").toString(), "Hours");
  EXPECT_THROW(properties->call("Remove", 4), Error);
}

TEST_F(UserPropertiesTest, ValueIsConvertedToThePropertysType) {
  Ref<Object> done = add("Done", kUserYesNo);
  done->put("Value", 1);
  EXPECT_EQ(done->get("Value"), Variant(true));
  Ref<Object> when = add("When", kUserDateTime);
  when->put("Value", "12/7/2026");
  EXPECT_EQ(when->get(""), Variant(Date::fromParts(2026, 12, 7)));
  Ref<Object> hours = add("Hours", kUserNumber);
  hours->put("Value", "1.5");
  EXPECT_EQ(hours->get("Value"), Variant(1.5));
  EXPECT_THROW(hours->put("Value", "many"), Error);
  EXPECT_EQ(hours->get("Value"), Variant(1.5)) << "a refused value changes nothing";
  Ref<Object> note = add("Note", kUserText);
  note->put("Value", true);
  EXPECT_EQ(note->get("Value"), Variant("True"));
}

TEST_F(UserPropertiesTest, AddRefusesNamesInUseUnsimulatedTypesAndNamesOutlookRefuses) {
  add("Done", kUserYesNo);
  EXPECT_THROW(add("DONE", kUserYesNo), Error);
  EXPECT_THROW(add("Money", 14), Error);  // olCurrency
  EXPECT_THROW(add("Bad_Name", kUserText), Error);
  EXPECT_THROW(add("", kUserText), Error);
  EXPECT_EQ(properties->get("Count").toInt32(), 1);
}

TEST_F(UserPropertiesTest, RecordsWhetherAPropertyWasAddedToTheFolderFields) {
  add("Kept", kUserText, false);
  properties->call("Add", "Shared", kUserText);  // the default is True, as in Outlook
  EXPECT_FALSE(time->userProperties().find("Kept")->addedToFolderFields);
  EXPECT_TRUE(time->userProperties().find("Shared")->addedToFolderFields);
}

TEST_F(UserPropertiesTest, ChangesLiveInTheItemUntilSave) {
  add("Done", kUserYesNo)->put("Value", true);
  EXPECT_FALSE(time->get("Saved").toBool());
  EXPECT_EQ(time->savedUserProperties().find("Done"), nullptr);
  time->call("Save");
  ASSERT_NE(time->savedUserProperties().find("Done"), nullptr);
  EXPECT_EQ(time->savedUserProperties().find("Done")->property.value, Variant(true));

  properties->getObject("Find", "Done")->call("Delete");
  EXPECT_FALSE(time->get("Saved").toBool());
  EXPECT_FALSE(properties->getObject("Find", "Done"));
  time->discardChanges();
  EXPECT_TRUE(properties->getObject("Find", "Done")) << "discarding brings the saved one back";
}

TEST_F(UserPropertiesTest, ADeletedPropertyOrItemFailsEveryMember) {
  Ref<Object> done = add("Done", kUserYesNo);
  done->call("Delete");
  EXPECT_THROW(done->get("Value"), Error);
  EXPECT_THROW(done->call("Delete"), Error);
  Ref<Object> note = add("Note", kUserText);
  time->call("Delete");
  EXPECT_THROW(note->get("Value"), Error);
  EXPECT_THROW(properties->getObject("Find", "Note"), Error);
}

TEST_F(UserPropertiesTest, SeededPropertiesAreSavedValues) {
  AppointmentItem::Fields f;
  f.subject = "Exported earlier";
  f.userProperties = {{"QuillhourExported", kUserDateTime, Variant(Date::fromParts(2026, 1, 2))}};
  Ref<AppointmentItem> stored = outlook.addAppointment(outlook.calendar(), f);
  EXPECT_TRUE(stored->get("Saved").toBool());
  EXPECT_EQ(
      stored->getObject("UserProperties")->getObject("Find", "QuillhourExported")->get("Value"),
      Variant(Date::fromParts(2026, 1, 2)));
  EXPECT_EQ(stored->savedUserProperties().values().size(), 1u);
}

}  // namespace
}  // namespace qh::sim::outlook
