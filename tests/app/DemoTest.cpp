// `quillhour demo`: the example calendar and script, end to end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/LibicalView.h"
#include "tests/app/ProgramRun.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::app::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

class Demo : public ::testing::Test {
 protected:
  void SetUp() override {
    run = runQuillhour({"demo", "--out", "demo"}, folder.path());
    ASSERT_EQ(run.status, 0) << run.err;
  }
  std::string demoFile(const std::string& name) const { return folder.file("demo/" + name); }

  TestFolder folder;
  ProgramRun run;
};

TEST_F(Demo, TellsWhereTheWorkbookAndTheUpdatedCalendarAre) {
  const std::string workbook = std::filesystem::absolute(demoFile("Quillhour1.xlsx")).string();
  const std::string calendar = std::filesystem::absolute(demoFile("calendar.ics")).string();
  const auto lines = linesOf(run.out);
  EXPECT_THAT(lines, Contains("The workbook: " + workbook));
  EXPECT_THAT(lines, Contains("The updated calendar: " + calendar +
                              " (as it was before: " + calendar + ".bak)"));
  EXPECT_THAT(lines, Contains("> export go")) << "the script's lines are shown as they run";
  EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(Demo, TheWorkbookHoldsLastWeeksTaggedTimesWithPivotTableAndChart) {
  const sim::XlsxBook book = sim::readXlsx(demoFile("Quillhour1.xlsx"));
  const sim::XlsxSheet& data = book.sheet("Quillhour");
  // Rows 4 on: last week's Times in start order, the ones the script tagged among them.
  EXPECT_EQ(data.values.at("D4"), "Atlas: order service");
  EXPECT_EQ(data.values.at("D6"), "Code review");
  EXPECT_EQ(data.values.at("F6"), "Atlas");
  EXPECT_EQ(data.values.at("D16"), "Security awareness training");
  EXPECT_EQ(data.values.at("F16"), "Internal");
  EXPECT_FALSE(data.values.count("D17"));
  EXPECT_NO_THROW(book.sheet("Pivot Table"));
  EXPECT_THAT(book.chartReferences, Contains(HasSubstr("Pivot Table")));
}

TEST_F(Demo, TheCalendarKeepsTheTagsTheTagListAndTheMarks) {
  EXPECT_EQ(readFile(demoFile("calendar.ics.bak")),
            readFile((examplesDir() / "fortnight.ics").string()));
  const LibicalComponent calendar = readWithLibical(readFile(demoFile("calendar.ics")));
  const auto categories = [&](const char* uid) { return calendar.event(uid).only("CATEGORIES"); };
  EXPECT_THAT(categories("fortnight-18@example.com"), ElementsAre("CATEGORIES:Atlas\r\n"));
  EXPECT_THAT(categories("fortnight-22@example.com"), ElementsAre("CATEGORIES:Internal\r\n"));
  EXPECT_THAT(categories("fortnight-24@example.com"), ElementsAre("CATEGORIES:Training\r\n"));
  EXPECT_THAT(calendar.event("fortnight-settings@example.com").only("DESCRIPTION"),
              ElementsAre("DESCRIPTION:Atlas\\; Beacon\\; Internal\\; Support\\; Training\r\n"));
  int marked = 0;
  for (const auto& event : calendar.children)
    marked += event.only("X-QUILLHOUR-QUILLHOUREXPORTED").size();
  EXPECT_EQ(marked, 14) << "13 exported now, one before";
  EXPECT_THAT(calendar.event("fortnight-20@example.com").only("X-QUILLHOUR-QUILLHOUREXPORTED"),
              SizeIs(0))
      << "the lunch is no tagged Time";
}

TEST_F(Demo, LibreOfficeOpensTheWorkbook) {
  const std::string soffice = "/usr/bin/soffice";
  ASSERT_TRUE(std::filesystem::exists(soffice))
      << "LibreOffice is missing: scripts/setup.sh installs it (libreoffice-calc-nogui)";
  const std::string profile = "-env:UserInstallation=file://" + folder.file("lo-profile");
  const ProgramRun convert = runProgram(soffice,
                                        {profile, "--headless", "--convert-to", "csv", "--outdir",
                                         "csv", demoFile("Quillhour1.xlsx")},
                                        folder.path());
  ASSERT_EQ(convert.status, 0) << convert.err;
  const auto rows = linesOf(readFile(folder.file("csv/Quillhour1.csv")));
  ASSERT_GE(rows.size(), 16u);
  EXPECT_EQ(rows[3], ",,11/30/2026 09:00:00,Atlas: order service,3,Atlas,");
}

}  // namespace
}  // namespace qh::app::testing
