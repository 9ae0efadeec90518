#include "apps/quillhour/OutputPaths.h"

#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "apps/quillhour/Errors.h"
#include "hosts/sim/mailbox/CalendarFile.h"

namespace qh::app {
namespace {

namespace fs = std::filesystem;

// The same file: one file under two names (a link, another spelling of the path), or one
// path for a file that does not exist yet.
bool sameFile(const std::string& a, const std::string& b) {
  struct stat x {
  }, y{};
  if (::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0)
    return x.st_dev == y.st_dev && x.st_ino == y.st_ino;
  std::error_code error;
  const fs::path pa = fs::weakly_canonical(a, error);
  const fs::path pb = fs::weakly_canonical(b, error);
  return !error && pa == pb;
}

// What the session reads, and the backup it writes, by what the user would call them.
std::vector<std::pair<std::string, std::string>> inputsOf(const Invocation& invocation) {
  std::vector<std::pair<std::string, std::string>> inputs;
  const std::string& mailbox = invocation.session.mailbox;
  if (!mailbox.empty()) {
    const sim::mailbox::CalendarFile calendar(mailbox);
    inputs.push_back({mailbox, "the calendar"});
    inputs.push_back({calendar.target(), "the calendar"});
    inputs.push_back({calendar.backupPath(), "the calendar's backup"});
    inputs.push_back({mailbox + ".bak", "the calendar's backup"});
  }
  if (!invocation.script.empty() && invocation.script != "-")
    inputs.push_back({invocation.script, "the script"});
  if (!invocation.session.moduleDir.empty())
    inputs.push_back({invocation.session.moduleDir + "/Quillhour.xlt", "the template"});
  return inputs;
}

void checkWorkbook(const Invocation& invocation) {
  const std::string& workbook = invocation.workbook;
  for (const auto& [input, what] : inputsOf(invocation))
    if (sameFile(workbook, input))
      throw InputError(
          fmt::format("-o {} is {} ({}): it would be overwritten", workbook, what, input));
  std::error_code error;
  if (fs::is_directory(workbook, error))
    throw InputError(fmt::format("-o {} is a folder; name the workbook file", workbook));
  fs::path folder = fs::path(workbook).parent_path();
  if (folder.empty()) folder = ".";
  if (!fs::is_directory(folder, error))
    throw InputError(fmt::format("-o {}: the folder {} does not exist", workbook, folder.string()));
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    throw InputError(
        fmt::format("-o {}: the folder {} is not writable", workbook, folder.string()));
}

}  // namespace

void checkOutputs(const Invocation& invocation) {
  std::error_code error;
  const std::string& out = invocation.session.outDir;
  if (fs::exists(out, error) && !fs::is_directory(out, error))
    throw InputError(fmt::format("--out {} is a file, not a folder", out));
  if (!invocation.workbook.empty()) checkWorkbook(invocation);
}

}  // namespace qh::app
