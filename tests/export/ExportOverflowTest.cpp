// One sheet takes rows 4 to 32767: a range with more Times exports the first 32,764 of them,
// says so, and leaves the rest alone.
#include "hosts/sim/outlook/Application.h"
#include "tests/export/ExportHostTest.h"

namespace qh::testing {
namespace {

using sim::CellValue;

class ExportOverflow : public ExportHostTest {};

TEST_F(ExportOverflow, MoreTimesThanRowsExportsWhatFitsAndLeavesTheRestUnmarked) {
  constexpr int kRows = 32764;
  const Date first = Date::fromParts(2026, 11, 30);
  std::vector<Ref<sim::outlook::AppointmentItem>> times;
  for (int i = 0; i <= kRows; ++i)  // one Time more than the sheet takes, 15 seconds apart
    times.push_back(addTime("Time " + std::to_string(i), Date(first.serial() + i * 15 / 86400.0)));
  start();
  exportWith(
      {"CheckNonTaggedItems", "CheckMarkExported", "CheckDeleteAfter", "CheckCreateDiagram"});

  EXPECT_EQ(alerts(), std::vector<std::string>{
                          "Export Error: The date range holds more Times than one sheet takes. "
                          "Only the first 32764 Times were exported."});
  EXPECT_EQ(cell(32767, 4), CellValue::ofText("Time 32763"));
  EXPECT_TRUE(cell(32768, 4).isEmpty());
  EXPECT_EQ(pivotSource(), "Quillhour!R3C3:R32767C6");
  EXPECT_TRUE(excels().back()->visible());

  const auto& left = times.back();
  EXPECT_FALSE(left->deleted());
  EXPECT_TRUE(left->savedUserProperties().entries().empty()) << "a Time not written gets no marks";
  EXPECT_EQ(left->saveCount(), 0);
  EXPECT_TRUE(times.front()->deleted());
  EXPECT_EQ(outlook().application().deletedItems().size(), static_cast<size_t>(kRows));
  EXPECT_TRUE(exportLog().empty()) << exportLog().front();
}

}  // namespace
}  // namespace qh::testing
