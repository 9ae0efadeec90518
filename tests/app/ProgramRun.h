#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qh::app::testing {

// What one run of the quillhour program left: its exit status and what it printed.
struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs a program in `folder`, with `input` on standard input. Its zone is Europe/Berlin, so
// that the times of a calendar read the same on every machine.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder, const std::string& input = "");
// The built quillhour, run as a user would.
ProgramRun runQuillhour(const std::vector<std::string>& args, const std::filesystem::path& folder,
                        const std::string& input = "");

// A fresh folder for one test's files, removed with everything in it afterwards.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return root_; }
  std::string file(const std::string& name) const { return (root_ / name).string(); }
  std::string write(const std::string& name, const std::string& text) const;
  // The shipped example calendar, copied in as `name`.
  std::string exampleCalendar(const std::string& name = "calendar.ics") const;
  // The names of the files in the folder, sorted.
  std::vector<std::string> listing() const;

 private:
  std::filesystem::path root_;
};

std::string readFile(const std::string& path);
std::filesystem::path examplesDir();
// Lines of a text, without their breaks.
std::vector<std::string> linesOf(const std::string& text);

}  // namespace qh::app::testing
