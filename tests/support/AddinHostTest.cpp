#include "tests/support/AddinHostTest.h"

#include <cstdlib>
#include <filesystem>

namespace qh::testing {

std::string moduleDir() {
  const char* dir = std::getenv("QH_MODULE_DIR");
  return dir ? dir : QH_DEFAULT_MODULE_DIR;
}

sim::SimHost::Options AddinHostTest::hostOptions() const {
  sim::SimHost::Options options;
  options.moduleDir = moduleDir();
  options.outputDir = outputDir_;
  return options;
}

void AddinHostTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillhour-tests" /
                                    (std::string(info->test_suite_name()) + "." + info->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  outputDir_ = dir.string();
  host_ = std::make_unique<sim::SimHost>(hostOptions());
  system().setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
}

void AddinHostTest::TearDown() {
  host_.reset();
}

void AddinHostTest::startAddin() {
  ASSERT_TRUE(host_->install());
  host_->start();
}

std::vector<std::string> AddinHostTest::logMessages() {
  std::vector<std::string> messages;
  for (const std::string& line : host_->logLines()) {
    const size_t at = line.find(": ");
    messages.push_back(at == std::string::npos ? line : line.substr(at + 2));
  }
  return messages;
}

}  // namespace qh::testing
