// The file is replaced atomically, with the previous one kept as FILE.ics.bak.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/mailbox/CalendarFiles.h"
#include "tests/mailbox/Samples.h"

namespace qh::sim::mailbox::testing {
namespace {

namespace fs = std::filesystem;

TEST(SaveFile, KeepsThePreviousFileAsBackup) {
  TempFolder folder;
  const std::string first = crlf(kGoogleSample);
  const std::string path = folder.write("c.ics", first);
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries[0].subject = "Changed once";
  store.save(entries);
  const std::string second = readFile(path);
  EXPECT_EQ(readFile(path + ".bak"), first);

  entries[0].subject = "Changed twice";
  store.save(entries);
  EXPECT_EQ(readFile(path + ".bak"), second);
  // The backup is a file of its own, not a second name of the replaced one.
  EXPECT_EQ(fs::hard_link_count(path), 1u);
  EXPECT_EQ(fs::hard_link_count(path + ".bak"), 1u);
}

TEST(SaveFile, KeepsTheFilesPermissions) {
  TempFolder folder;
  const std::string path = folder.write("c.ics", crlf(kGoogleSample));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  CalendarStore store = openIn(path);
  auto entries = store.entries();
  entries.pop_back();
  store.save(entries);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SaveFile, WhenTheNewFileCannotBeWrittenTheOldOneStays) {
  TempFolder folder;
  const std::string original = crlf(kGoogleSample);
  const std::string path = folder.write("c.ics", original);
  CalendarStore store = openIn(path);
  fs::create_directory(path + ".bak");  // in the way, for any user, root included
  auto entries = store.entries();
  entries[0].subject = "Lost";
  try {
    store.save(entries);
    FAIL() << "no error";
  } catch (const CalendarError& e) {
    EXPECT_EQ(e.kind(), CalendarError::Kind::Write);
    EXPECT_EQ(e.code(), 75);
    EXPECT_EQ(e.description(),
              path + ": cannot keep the previous file as " + path + ".bak (Is a directory)");
  }
  EXPECT_EQ(readFile(path), original);
  // Nothing but the file and what was in the way is left; the store still describes the file
  // as it is; the next save works.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path("")), fs::directory_iterator()), 2);
  fs::remove(path + ".bak");
  EXPECT_EQ(store.entries()[0].subject, "Customer call");
  store.save(entries);
  EXPECT_EQ(openIn(path).entries()[0].subject, "Lost");
}

TEST(SaveFile, InAFolderWithoutWriteAccess) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  TempFolder folder;
  fs::create_directory(folder.path("locked"));
  const std::string path = folder.write("locked/c.ics", crlf(kGoogleSample));
  CalendarStore store = openIn(path);
  fs::permissions(folder.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  auto entries = store.entries();
  entries[0].subject = "Lost";
  EXPECT_THROW(store.save(entries), CalendarError);
  EXPECT_EQ(readFile(path), crlf(kGoogleSample));
}

}  // namespace
}  // namespace qh::sim::mailbox::testing
