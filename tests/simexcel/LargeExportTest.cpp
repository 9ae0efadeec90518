// An export at the largest size the row counter allows (rows 4 to 32767) goes through the
// simulated Excel in linear time: writing the cells, computing the pivot and writing the file.
#include <gtest/gtest.h>

#include <chrono>

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "tests/simexcel/ExcelTestSupport.h"
#include "tests/simexcel/TempFolder.h"
#include "tests/simexcel/XlsxReader.h"

namespace qh::sim {
namespace {

TEST(LargeExport, FullSheetWithPivotAndChart) {
  TempFolder folder;
  auto output = std::make_shared<ExcelOutput>(folder.path());
  Ref<Object> excel = makeExcelApplication({output});
  Ref<Object> book = excel->getObject("Workbooks")->call("Add", templateArgument()).toObject();

  const char* tags[] = {"Alpha", "Beta", "Gamma", "Delta"};
  std::vector<TimeRow> rows;
  for (int i = 0; i < 32764; ++i)
    rows.push_back({Date::fromParts(2026, 1, 1 + i % 28, 8 + i % 9, 0), "Time " + std::to_string(i),
                    (i % 8 + 1) * 0.25, tags[i % 4]});
  const auto started = std::chrono::steady_clock::now();
  const int last = writeRows(*excel, rows);
  ASSERT_EQ(last, 32767);
  buildPivotAndChart(*excel, *book, last);
  excel->put("Visible", true);
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
  // Generous even for sanitizer builds; a quadratic step would take minutes.
  EXPECT_LT(seconds.count(), 60.0);

  const XlsxBook file = readXlsx(output->writtenFiles().at(0));
  const XlsxSheet& pivot = file.sheet("Pivot Table");
  double total = 0;
  for (const TimeRow& r : rows) total += r.hours;
  EXPECT_EQ(pivot.values.at("A8"), "Grand Total");
  EXPECT_DOUBLE_EQ(std::stod(pivot.values.at("B8")), total);
  EXPECT_EQ(file.sheet("Quillhour").values.at("D32767"), "Time 32763");
}

}  // namespace
}  // namespace qh::sim
