#include "hosts/sim/mailbox/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "hosts/sim/mailbox/CalendarError.h"

namespace qh::sim::mailbox {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

[[noreturn]] void fail(const std::string& path, const std::string& step, int error) {
  throw CalendarError(CalendarError::Kind::Write, path, 0,
                      step + " (" + std::generic_category().message(error) + ")");
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t modeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

// Writes contents to a new file at temp and forces it to the disk; errno on failure.
int writeDurably(const std::string& temp, std::string_view contents, mode_t mode) {
  Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
  if (fd.get() < 0) return errno;
  while (!contents.empty()) {
    const ssize_t n = ::write(fd.get(), contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  if (::fsync(fd.get()) != 0) return errno;
  if (::close(fd.release()) != 0) return errno;
  return 0;
}

// Keeps the current file as backup: a second name for the same file, so the original is never
// missing; a copy where the file system has no hard links.
int keepBackup(const std::string& path, const std::string& backup) {
  if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
  if (::link(path.c_str(), backup.c_str()) == 0) return 0;
  if (errno == ENOENT) return 0;  // no previous file, nothing to keep
  Descriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return errno;
  std::string previous;
  char buffer[65536];
  for (ssize_t n; (n = ::read(in.get(), buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    previous.append(buffer, static_cast<std::size_t>(n));
  }
  return writeDurably(backup, previous, modeOf(path));
}

void syncFolder(const std::string& folder) {
  // Makes the rename itself durable; a failure here does not undo the replacement.
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

void replaceFile(const std::string& path, std::string_view contents) {
  const std::string temp = path + ".tmp";
  if (const int error = writeDurably(temp, contents, modeOf(path))) {
    ::unlink(temp.c_str());
    fail(path, "cannot write " + temp, error);
  }
  if (const int error = keepBackup(path, path + ".bak")) {
    ::unlink(temp.c_str());
    fail(path, "cannot keep the previous file as " + path + ".bak", error);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    fail(path, "cannot replace the file with " + temp, error);
  }
  syncFolder(folderOf(path));
}

}  // namespace qh::sim::mailbox
