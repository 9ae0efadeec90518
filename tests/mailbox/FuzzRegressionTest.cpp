// Every input the fuzzers were seeded with or found a fault with, checked again with their
// properties (which abort with a message when one does not hold).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/CalendarProperties.h"

namespace qh::fuzz::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> inputsIn(const std::string& folder) {
  std::vector<std::string> texts;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(QH_FUZZ_DIR) / folder, error)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    texts.push_back(text.str());
  }
  return texts;
}

TEST(FuzzRegressions, ReadingAndWritingBackUnchanged) {
  std::size_t checked = 0;
  for (const char* folder : {"seeds", "regressions/read_calendar"})
    for (const std::string& text : inputsIn(folder)) {
      readAndWriteBackUnchanged(text);
      ++checked;
    }
  EXPECT_GE(checked, 4u) << "the seeds are there";
}

TEST(FuzzRegressions, OneChangeReadsBackWithNothingElseDifferent) {
  for (const std::string& text : inputsIn("regressions/write_back"))
    changeOneEntry(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  // Each kind of change to each entry of the seeds.
  for (const std::string& calendar : inputsIn("seeds"))
    for (std::uint8_t entry = 0; entry < 8; ++entry)
      for (std::uint8_t kind = 0; kind < 6; ++kind) {
        std::string input(32, '\x05');
        input[0] = static_cast<char>(entry);
        input[1] = static_cast<char>(kind);
        input += calendar;
        changeOneEntry(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
      }
}

}  // namespace
}  // namespace qh::fuzz::testing
