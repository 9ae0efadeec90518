// Workbooks.Add with and without a template, the errors of a template that cannot be read,
// and how handed-over workbooks are named and written.
#include <gtest/gtest.h>

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "tests/simexcel/ExcelTestSupport.h"
#include "tests/simexcel/TempFolder.h"

namespace qh::sim {
namespace {

Ref<Object> addWorkbook(Object& excel, const Variant& templateArg) {
  return excel.getObject("Workbooks")->call("Add", templateArg).toObject();
}

TEST(ExcelWorkbooks, TemplateWorkbookOpensOnItsDataSheet) {
  Ref<Object> excel = makeExcelApplication({});
  Ref<Object> book = addWorkbook(*excel, templateArgument());
  EXPECT_EQ(book->get("Name"), Variant("Quillhour1"));
  EXPECT_EQ(excel->getObject("ActiveWorkbook")->get("Name"), Variant("Quillhour1"));
  EXPECT_EQ(excel->getObject("ActiveSheet")->get("Name"), Variant("Quillhour"));
  EXPECT_EQ(excel->getObject("Cells", 3, 3)->get("Value"), Variant("Date"));
  EXPECT_EQ(excel->getObject("Cells", 3, 5)->get("Value"), Variant("Time"));
  EXPECT_EQ(excel->getObject("Cells", 3, 6)->get("Value"), Variant("Tag"));
  EXPECT_TRUE(
      excel->getObject("Columns", "G:G")->getObject("EntireColumn")->get("Hidden").toBool());
  EXPECT_TRUE(excel->getObject("Cells", 4, 3)->get("Value").isEmpty());
}

TEST(ExcelWorkbooks, MissingTemplateFailsWithExcelsMessageAndOpensNothing) {
  Ref<Object> excel = makeExcelApplication({});
  const std::string path = "/no/such/folder\\Quillhour.xlt";
  const Error e = errorOf([&] { addWorkbook(*excel, path); });
  EXPECT_EQ(e.code(), kExcelErrorCode);
  EXPECT_EQ(e.description(),
            "Sorry, we couldn't find /no/such/folder\\Quillhour.xlt. Is it "
            "possible it was moved, renamed or deleted?");
  EXPECT_EQ(excel->getObject("Workbooks")->get("Count"), Variant(0));
  EXPECT_TRUE(excel->get("ActiveWorkbook").toObject() == nullptr);

  // The export then falls back to a blank workbook, whose active sheet takes the rows.
  Ref<Object> book = excel->getObject("Workbooks")->call("Add").toObject();
  EXPECT_EQ(book->get("Name"), Variant("Book1"));
  EXPECT_EQ(excel->getObject("ActiveSheet")->get("Name"), Variant("Sheet1"));
}

TEST(ExcelWorkbooks, UnreadableTemplateFailsAsAnInvalidFormat) {
  TempFolder folder;
  const auto bad = folder.write("Quillhour.xlt", "not a workbook");
  Ref<Object> excel = makeExcelApplication({});
  const Error e = errorOf([&] { addWorkbook(*excel, bad.string()); });
  EXPECT_EQ(e.code(), kExcelErrorCode);
  EXPECT_EQ(e.description(),
            "Excel cannot open the file 'Quillhour.xlt' because the file format or file "
            "extension is not valid. Verify that the file has not been corrupted and that the "
            "file extension matches the format of the file.");

  const Error onFolder = errorOf([&] { addWorkbook(*excel, folder.path().string()); });
  EXPECT_EQ(onFolder.description().rfind("Microsoft Excel cannot access the file '", 0), 0u);
}

TEST(ExcelWorkbooks, HandedOverWorkbooksAreWrittenUnderExcelsNames) {
  TempFolder folder;
  folder.write("Quillhour2.xlsx", "left by an earlier run");
  auto output = std::make_shared<ExcelOutput>(folder.path());

  for (int run = 0; run < 2; ++run) {  // one Excel per export, as the add-in creates them
    Ref<Object> excel = makeExcelApplication({output});
    addWorkbook(*excel, templateArgument());
    excel->put("Visible", true);
  }
  Ref<Object> excel = makeExcelApplication({output});
  addWorkbook(*excel, Variant::missing());
  EXPECT_EQ(output->writtenFiles().size(), 2u);  // the third is not shown yet
  excel->put("Visible", true);
  excel->put("Visible", true);  // showing it again rewrites the same file

  const std::vector<std::filesystem::path> expected{folder.path() / "Quillhour1.xlsx",
                                                    folder.path() / "Quillhour3.xlsx",
                                                    folder.path() / "Book1.xlsx"};
  EXPECT_EQ(output->writtenFiles(), expected);
  EXPECT_TRUE(output->failures().empty());
  for (const auto& file : expected) EXPECT_GT(std::filesystem::file_size(file), 1000u) << file;
}

TEST(ExcelWorkbooks, WorkbookStaysUnwrittenUntilShown) {
  TempFolder folder;
  auto output = std::make_shared<ExcelOutput>(folder.path());
  Ref<Object> excel = makeExcelApplication({output});
  addWorkbook(*excel, templateArgument());
  excel->put("Visible", false);
  EXPECT_TRUE(output->writtenFiles().empty());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Quillhour1.xlsx"));
}

TEST(ExcelWorkbooks, WriteFailureIsRecordedNotRaised) {
  TempFolder folder;
  const auto notAFolder = folder.write("occupied", "a file where the folder should be");
  auto output = std::make_shared<ExcelOutput>(notAFolder);
  Ref<Object> excel = makeExcelApplication({output});
  addWorkbook(*excel, Variant::missing());
  EXPECT_NO_THROW(excel->put("Visible", true));  // showing Excel never fails
  EXPECT_TRUE(excel->get("Visible").toBool());
  EXPECT_TRUE(output->writtenFiles().empty());
  ASSERT_EQ(output->failures().size(), 1u);
  EXPECT_EQ(output->failures()[0].rfind((notAFolder / "Book1.xlsx").string(), 0), 0u);
}

TEST(ExcelWorkbooks, WorkbookOutlivingItsExcelNoLongerReachesIt) {
  Ref<Object> excel = makeExcelApplication({});
  Ref<Object> books = excel->getObject("Workbooks");
  Ref<Object> book = books->call("Add").toObject();
  Ref<Object> sheet = book->getObject("ActiveSheet");
  excel = nullptr;
  EXPECT_TRUE(book->get("Application").toObject() == nullptr);
  EXPECT_NO_THROW(sheet->call("Activate"));
  EXPECT_EQ(errorOf([&] { books->call("Add"); }).code(), static_cast<int>(ErrorCode::ObjectNotSet));
}

}  // namespace
}  // namespace qh::sim
