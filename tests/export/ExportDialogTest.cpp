#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

class ExportDialog : public ExportHostTest {
 protected:
  void SetUp() override {
    ExportHostTest::SetUp();
    start();
  }
  Date value(const std::string& picker) { return control(picker)->get("Value").toDate(); }
};

constexpr const char* kBoxes[] = {
    "CheckAllDayEvents",  "CheckNonTaggedItems",  "CheckRecurringEvents",
    "CheckExportedItems", "CheckExportInMinutes", "CheckDescription",
    "CheckMarkExported",  "CheckDeleteAfter",     "CheckCreateDiagram"};

TEST_F(ExportDialog, OpensFromTheBarForTheExplorersFolderWithItsDefaults) {
  Ref<Object> form = openDialog();
  EXPECT_TRUE(form->get("Visible").toBool());
  EXPECT_EQ(form->get("Caption").toString(), "Quillhour Export");
  EXPECT_EQ(control("LabelExportingFrom")->get("Caption").toString(),
            "Exporting from: Mailbox - User/Calendar");
  EXPECT_TRUE(sameObject(form->getObject("ExportFolder").get(), &calendar()));
  EXPECT_EQ(value("StartDate"), Date::fromParts(2026, 11, 30));
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 7));
  for (const char* box : kBoxes) EXPECT_EQ(control(box)->get("Value").toInt32(), 0) << box;
}

TEST_F(ExportDialog, KeepsTheTwoDatesInOrder) {
  openDialog();
  pick("StartDate", Date::fromParts(2026, 12, 10));
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 11));
  pick("EndDate", Date::fromParts(2026, 12, 1));
  EXPECT_EQ(value("StartDate"), Date::fromParts(2026, 11, 30));
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 1));
  pick("StartDate", Date::fromParts(2026, 12, 1));
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 1)) << "the same day changes nothing";
  pick("EndDate", Date::fromParts(2026, 12, 1));
  EXPECT_EQ(value("StartDate"), Date::fromParts(2026, 12, 1));
}

TEST_F(ExportDialog, ClicksAdjustTheOtherDateToo) {
  openDialog();
  control("StartDate")->put("Value", Date::fromParts(2026, 12, 20));  // set by code: no event
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 7));
  control("StartDate")->call("Click");
  EXPECT_EQ(value("EndDate"), Date::fromParts(2026, 12, 21));
  control("EndDate")->put("Value", Date::fromParts(2026, 12, 2));
  control("EndDate")->call("Click");
  EXPECT_EQ(value("StartDate"), Date::fromParts(2026, 12, 1));
}

TEST_F(ExportDialog, OffersItsRangeOfDays) {
  openDialog();
  EXPECT_EQ(control("StartDate")->get("MinDate").toDate(), Date::fromParts(2000, 1, 1));
  EXPECT_EQ(control("StartDate")->get("MaxDate").toDate(), Date::fromParts(2049, 12, 30));
  EXPECT_EQ(control("EndDate")->get("MinDate").toDate(), Date::fromParts(2000, 1, 1));
  EXPECT_EQ(control("EndDate")->get("MaxDate").toDate(), Date::fromParts(2049, 12, 31));
}

TEST_F(ExportDialog, CancelHidesItKeepsTheChoicesAndForgetsTheFolder) {
  openDialog();
  check("CheckDescription");
  pick("StartDate", Date::fromParts(2026, 11, 2));
  control("CancelButton")->call("Click");
  EXPECT_FALSE(dialog()->get("Visible").toBool());
  EXPECT_FALSE(dialog()->getObject("ExportFolder"));

  system().setNow(Date::fromParts(2027, 3, 1, 8, 0, 0));
  openDialog();
  EXPECT_EQ(control("CheckDescription")->get("Value").toInt32(), 1);
  EXPECT_EQ(value("StartDate"), Date::fromParts(2026, 11, 2)) << "no second Form_Load";
  EXPECT_TRUE(sameObject(dialog()->getObject("ExportFolder").get(), &calendar()));
}

TEST_F(ExportDialog, ClosedFromItsFrameItLoadsAfreshWithTheDefaults) {
  openDialog();
  check("CheckMarkExported");
  dialog()->call("Close");
  EXPECT_FALSE(system().forms().find("Quillhour Export"));
  system().setNow(Date::fromParts(2027, 3, 1, 8, 0, 0));
  openDialog();
  EXPECT_EQ(control("CheckMarkExported")->get("Value").toInt32(), 0);
  EXPECT_EQ(value("EndDate"), Date::fromParts(2027, 3, 1));
  EXPECT_EQ(value("StartDate"), Date::fromParts(2027, 2, 22));
}

TEST_F(ExportDialog, AFolderWhoseParentCannotBeNamedLeavesTheLabelButIsExported) {
  sim::outlook::Folder& projects = outlook().addFolder(calendar(), "Projects");
  sim::outlook::AppointmentItem::Fields f;
  f.subject = "In a subfolder";
  f.start = Date::fromParts(2026, 12, 1, 10, 0, 0);
  f.categories = "";
  outlook().addAppointment(projects, f);
  openDialog();
  calendar().failOn("Name", "no name");
  dialog()->call("SetExportFolder", Ref<Object>(&projects));
  EXPECT_EQ(control("LabelExportingFrom")->get("Caption").toString(),
            "Exporting from: Mailbox - User/Calendar");
  EXPECT_TRUE(sameObject(dialog()->getObject("ExportFolder").get(), &projects));
  check("CheckNonTaggedItems");
  pressExport();
  EXPECT_EQ(cell(4, 4), sim::CellValue::ofText("In a subfolder"));
  EXPECT_FALSE(dialog()->getObject("ExportFolder")) << "emptied at the end of every run";
}

TEST_F(ExportDialog, SettingNoFolderIsIgnoredLikeAnyOtherError) {
  openDialog();
  EXPECT_NO_THROW(dialog()->call("SetExportFolder", Ref<Object>()));
  EXPECT_FALSE(dialog()->getObject("ExportFolder"));
  EXPECT_EQ(control("LabelExportingFrom")->get("Caption").toString(),
            "Exporting from: Mailbox - User/Calendar");
}

}  // namespace
}  // namespace qh::testing
