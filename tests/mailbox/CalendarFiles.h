#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "automation/Date.h"
#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/mailbox/CalendarStore.h"

namespace qh::sim::mailbox::testing {

// A fresh folder for one test's files, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qh-mailbox-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path(const std::string& name) const { return (root_ / name).string(); }
  std::string write(const std::string& name, std::string_view text) const {
    std::ofstream(path(name), std::ios::binary) << text;
    return path(name);
  }

 private:
  std::filesystem::path root_;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Test texts are written with "\n"; files as most producers write them, with CRLF.
inline std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A date as "2024-03-18 09:30:00", so that failures read as dates.
inline std::string show(Date d) {
  const Date::Parts p = d.parts();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                p.hour, p.minute, p.second);
  return buffer;
}

inline CalendarStore openIn(const std::string& path, const std::string& zone = "Europe/Berlin") {
  return CalendarStore(path, CalendarOptions{zone, [] { return std::time_t{1700000000}; }, {}});
}

// The text with the first occurrence of `from` (which must be there) replaced by `to`.
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("not in the text: " + from);
  return text.replace(at, from.size(), to);
}

// Writes original to folder's "calendar.ics", lets change edit its entries, saves them, and
// answers the file's new text.
template <class Change>
std::string savedAfter(const TempFolder& folder, const std::string& original, Change change,
                       const std::string& zone = "Europe/Berlin") {
  CalendarStore store = openIn(folder.write("calendar.ics", original), zone);
  auto entries = store.entries();
  change(entries);
  store.save(entries);
  return readFile(folder.path("calendar.ics"));
}

}  // namespace qh::sim::mailbox::testing
