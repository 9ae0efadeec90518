#include <algorithm>

#include "hosts/sim/outlook/Items.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;
using sim::FaultMode;
using sim::outlook::AppointmentItem;

// Fails the n-th call of a member only.
sim::SimObject::FaultFilter nthCall(int n) {
  return [count = 0, n](CallKind, const Args&) mutable { return ++count == n; };
}

class ExportFailures : public ExportHostTest {
 protected:
  void SetUp() override {
    ExportHostTest::SetUp();
    first = addTime("First", Date::fromParts(2026, 11, 30, 9, 0, 0));
    second = addTime("Second", Date::fromParts(2026, 12, 1, 9, 0, 0));
    third = addTime("Third", Date::fromParts(2026, 12, 2, 9, 0, 0));
    start();
  }

  Ref<AppointmentItem> first, second, third;
};

TEST_F(ExportFailures, WithoutExcelTheUserIsToldAndNothingIsRead) {
  outlook().application().failOn("CreateObject", "ActiveX component can't create object");
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  EXPECT_EQ(alerts(),
            std::vector<std::string>{"Export Error: Could not open Microsoft Excel for export."});
  EXPECT_EQ(exportLog(),
            std::vector<std::string>{"ExportButton_Click:ActiveX component can't create object"});
  EXPECT_TRUE(calendar().restrictions().empty());
  EXPECT_FALSE(first->deleted());
  EXPECT_FALSE(dialog()->get("Visible").toBool());
  EXPECT_FALSE(dialog()->getObject("ExportFolder"));
}

TEST_F(ExportFailures, WithoutAFolderTheUserIsToldAndExcelIsNotShown) {
  openDialog();
  control("CancelButton")->call("Click");
  dialog()->call("Show");  // shown again without SetExportFolder
  outlook().nameSpace().failOn("GetDefaultFolder", "An object could not be found.");
  check("CheckNonTaggedItems");
  pressExport();
  EXPECT_EQ(alerts(),
            std::vector<std::string>{"Export Error: Could not open Calendar folder for export."});
  EXPECT_EQ(exportLog(),
            std::vector<std::string>{"ExportButton_Click:An object could not be found."});
  ASSERT_EQ(excels().size(), 1u);
  EXPECT_FALSE(excels()[0]->visible());
  EXPECT_TRUE(excelOutput().writtenFiles().empty());
  EXPECT_TRUE(cell(4, 3).isEmpty());
}

TEST_F(ExportFailures, ATimeWhoseRowWasNotWrittenCompletelyGetsNoMarks) {
  // Cells of the second row: the sixth cell written is the second Time's subject.
  onExcelCreated = [](sim::ExcelApplication& excel) {
    excel.failOn("Cells", "The cell refused", FaultMode::Once, nthCall(6));
  };
  exportWith({"CheckNonTaggedItems", "CheckMarkExported", "CheckDeleteAfter"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:The cell refused"});
  EXPECT_EQ(cell(5, 3), dateCell(Date::fromParts(2026, 12, 1, 9, 0, 0)));
  EXPECT_TRUE(cell(5, 4).isEmpty());
  EXPECT_EQ(cell(5, 6), CellValue::ofText("Project")) << "the row goes on after the failure";
  EXPECT_TRUE(first->deleted());
  EXPECT_TRUE(third->deleted());
  EXPECT_FALSE(second->deleted()) << "never deleted without being in a workbook";
  EXPECT_TRUE(second->savedUserProperties().entries().empty());
}

TEST_F(ExportFailures, AnUnreadableSavedStillSavesTheMarks) {
  second->failOn("Saved", "Saved is not available");
  exportWith({"CheckNonTaggedItems", "CheckMarkExported"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:Saved is not available"});
  EXPECT_NE(second->savedUserProperties().find("QuillhourExported"), nullptr)
      << "a test that fails runs what it guards";
  EXPECT_TRUE(second->saved());
}

TEST_F(ExportFailures, AFailingGetNextEndsTheSelectionAndTheRunGoesOn) {
  calendar().onItemsMade([](sim::outlook::Items& items) {
    if (items.holdsOwnList()) items.failOn("GetNext", "The collection went away", FaultMode::Once);
  });
  exportWith({"CheckNonTaggedItems", "CheckCreateDiagram"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:The collection went away"});
  EXPECT_EQ(cell(4, 4), CellValue::ofText("First"));
  EXPECT_TRUE(cell(5, 4).isEmpty());
  EXPECT_EQ(calendar().restrictions().size(), 2u) << "the deletion pass still ran";
  EXPECT_EQ(pivotSource(), "Quillhour!R3C3:R4C6");
  EXPECT_TRUE(excels().back()->visible());
}

TEST_F(ExportFailures, AFailingGetPreviousEndsTheDeletionPass) {
  calendar().onItemsMade([](sim::outlook::Items& items) {
    if (items.holdsOwnList()) items.failOn("GetPrevious", "No previous", FaultMode::Once);
  });
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:No previous"});
  EXPECT_TRUE(third->deleted());
  EXPECT_FALSE(second->deleted());
  EXPECT_TRUE(excels().back()->visible());
}

TEST_F(ExportFailures, NoTimeIsDeletedWhoseMarkCannotBeRead) {
  second->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(true)});
  second->failOn("UserProperties", "No properties");
  third->seedUserProperty({"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(true)});
  third->failOn("Class", "No class");
  exportWith();
  EXPECT_FALSE(second->deleted());
  EXPECT_FALSE(third->deleted());
  // The class test fails twice: in the skip rules, then in the deletion pass.
  EXPECT_EQ(exportLog(), (std::vector<std::string>{"ExportButton_Click:No class",
                                                   "ExportButton_Click:No class"}));
}

TEST_F(ExportFailures, AFailingDeleteIsLoggedAndThePassGoesOn) {
  third->failOn("Delete", "Cannot delete");
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:Cannot delete"});
  EXPECT_FALSE(third->deleted());
  EXPECT_TRUE(second->deleted());
  EXPECT_TRUE(first->deleted());
}

TEST_F(ExportFailures, WithoutTheHandOverNoTimeIsDeletedAndTheMarksWaitForALaterRun) {
  onExcelCreated = [](sim::ExcelApplication& excel) {
    excel.failOn("Visible", "Excel is busy", FaultMode::Always,
                 [](CallKind kind, const Args&) { return kind == CallKind::Put; });
  };
  exportWith({"CheckNonTaggedItems", "CheckDeleteAfter"});
  EXPECT_EQ(exportLog(), std::vector<std::string>{"ExportButton_Click:Excel is busy"});
  for (const auto& time : {first, second, third}) {
    EXPECT_FALSE(time->deleted()) << "its row is in no workbook the user has";
    EXPECT_NE(time->savedUserProperties().find("QuillhourDeleted"), nullptr);
  }
  EXPECT_EQ(calendar().restrictions().size(), 1u) << "no deletion pass";
}

TEST_F(ExportFailures, AFailingExcelStepIsLoggedAndTheWorkbookIsStillHandedOver) {
  onExcelCreated = [](sim::ExcelApplication& excel) {
    excel.failOn("Columns", "Unable to set the Hidden property");
  };
  exportWith({"CheckNonTaggedItems", "CheckDescription", "CheckCreateDiagram"});
  EXPECT_EQ(exportLog(),
            std::vector<std::string>{"ExportButton_Click:Unable to set the Hidden property"});
  EXPECT_TRUE(sheet().columns().hidden(7));
  EXPECT_EQ(workbook().sheetNames().size(), 3u);
  EXPECT_TRUE(excels().back()->visible());
  EXPECT_EQ(excelOutput().writtenFiles().size(), 1u);
}

TEST_F(ExportFailures, WithoutAnyWorkbookEveryStepIsLoggedAndTheRunStillEnds) {
  onExcelCreated = [](sim::ExcelApplication& excel) {
    excel.workbooks().failOn("Add", "No workbook today");
  };
  exportWith({"CheckNonTaggedItems", "CheckMarkExported", "CheckCreateDiagram"});
  ASSERT_EQ(alerts().size(), 1u);
  EXPECT_EQ(alerts()[0].rfind("Export Error: Could not open template ", 0), 0u);
  // The log keeps its last 25 lines: by then the cell writes that found no sheet.
  const std::vector<std::string> log = exportLog();
  EXPECT_EQ(log.size(), 25u);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "ExportButton_Click:Method 'Cells' of object '_Application' failed"),
            log.end());
  EXPECT_TRUE(first->savedUserProperties().entries().empty()) << "no row, no mark";
  EXPECT_TRUE(excels().back()->visible());
  EXPECT_FALSE(dialog()->getObject("ExportFolder"));
}

}  // namespace
}  // namespace qh::testing
