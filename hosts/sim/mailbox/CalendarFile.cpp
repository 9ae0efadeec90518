#include "hosts/sim/mailbox/CalendarFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

#include "hosts/sim/mailbox/CalendarError.h"

namespace qh::sim::mailbox {
namespace {

constexpr std::size_t kChunk = 1 << 16;

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

// A file made under a unique name that goes again unless it is kept.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& besides) {
    name_ = folderOf(besides) + "/." + baseName(besides) + ".XXXXXX";
    fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
    error_ = fd_ < 0 ? errno : 0;
  }
  ~TemporaryFile() {
    if (fd_ < 0) return;
    ::close(fd_);
    if (!kept_) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  int error() const { return error_; }
  const std::string& name() const { return name_; }
  void kept() { kept_ = true; }

  static std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
  }
  static std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }

 private:
  std::string name_;
  int fd_ = -1;
  int error_ = 0;
  bool kept_ = false;
};

[[noreturn]] void fail(const std::string& path, const std::string& step, int error) {
  throw CalendarError(CalendarError::Kind::Write, path, 0,
                      step + " (" + std::generic_category().message(error) + ")");
}

// Writes all of contents and forces them to the disk; errno on failure.
int writeDurably(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), std::min(contents.size(), kChunk * 16));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return ::fsync(fd) != 0 ? errno : 0;
}

// The mode and, where the system allows, the owner of the file being replaced.
void takeOver(int fd, const struct stat& from) {
  ::fchmod(fd, from.st_mode & 07777);
  if (::fchown(fd, from.st_uid, from.st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), from.st_gid);
  // Owner and group may take set-id bits away: put the mode again.
  ::fchmod(fd, from.st_mode & 07777);
}

void syncFolder(const std::string& folder) {
  // Makes the rename itself durable; a failure here does not undo the replacement.
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

std::string resolved(const std::string& path) {
  char buffer[PATH_MAX];
  if (::realpath(path.c_str(), buffer)) return buffer;
  return path;
}

std::string stamp(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
  return buffer;
}

}  // namespace

CalendarFile::CalendarFile(std::string path) : path_(std::move(path)), target_(resolved(path_)) {
  struct stat info {};
  linked_ = ::lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::shared_ptr<const std::string> CalendarFile::read() const {
  auto fail = [&](int error) {
    return CalendarError(CalendarError::Kind::Missing, path_, 0,
                         "cannot read it (" + std::generic_category().message(error) + ")");
  };
  Descriptor fd(::open(target_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw fail(errno);
  std::string text;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) throw fail(errno);
  if (S_ISDIR(info.st_mode)) throw fail(EISDIR);
  if (info.st_size > 0) text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[kChunk];
  for (ssize_t n; (n = ::read(fd.get(), buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw fail(errno);
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return std::make_shared<const std::string>(std::move(text));
}

bool CalendarFile::writable() const {
  struct stat info {};
  if (::stat(target_.c_str(), &info) != 0) return false;
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::access(target_.c_str(), W_OK) == 0 &&
         ::access(TemporaryFile::folderOf(target_).c_str(), W_OK | X_OK) == 0;
}

bool CalendarFile::holds(std::string_view bytes) const {
  Descriptor fd(::open(target_.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) return false;
  if (static_cast<std::size_t>(info.st_size) != bytes.size()) return false;
  // Modification times can be too coarse to show a change: the bytes decide.
  char buffer[kChunk];
  std::size_t at = 0;
  for (ssize_t n; (n = ::read(fd.get(), buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    const auto got = static_cast<std::size_t>(n);
    if (at + got > bytes.size() || std::memcmp(buffer, bytes.data() + at, got) != 0) return false;
    at += got;
  }
  return at == bytes.size();
}

void CalendarFile::replace(std::string_view contents, std::string_view previous,
                           const std::function<void(int)>& beforeRename) const {
  struct stat info {};
  if (::stat(target_.c_str(), &info) != 0) fail(path_, "cannot look at " + target_, errno);

  TemporaryFile next(target_);
  if (next.error()) fail(path_, "cannot create a new file beside " + target_, next.error());
  takeOver(next.fd(), info);
  if (const int error = writeDurably(next.fd(), contents))
    fail(path_, "cannot write " + next.name(), error);

  // The backup is a file of its own: a second name for the replaced file would make the two
  // one file wherever anything writes through either name.
  const std::string backup = backupPath();
  TemporaryFile kept(backup);
  if (kept.error()) fail(path_, "cannot create a new file beside " + backup, kept.error());
  takeOver(kept.fd(), info);
  if (const int error = writeDurably(kept.fd(), previous))
    fail(path_, "cannot keep the previous file as " + backup, error);
  if (::rename(kept.name().c_str(), backup.c_str()) != 0)
    fail(path_, "cannot keep the previous file as " + backup, errno);
  kept.kept();

  if (beforeRename) beforeRename(next.fd());
  if (::rename(next.name().c_str(), target_.c_str()) != 0)
    fail(path_, "cannot replace the file with " + next.name(), errno);
  next.kept();
  syncFolder(TemporaryFile::folderOf(target_));
}

std::string CalendarFile::saveBeside(std::string_view contents, std::time_t now) const {
  std::string stem = path_;
  const auto slash = stem.find_last_of('/');
  const auto dot = stem.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1)) stem.erase(dot);
  const std::string base = stem + ".quillhour-" + stamp(now);
  for (int n = 1; n < 1000; ++n) {
    const std::string name = base + (n == 1 ? "" : "-" + std::to_string(n)) + ".ics";
    Descriptor fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0 && errno == EEXIST) continue;
    if (fd.get() < 0) fail(path_, "cannot save this session's calendar as " + name, errno);
    if (const int error = writeDurably(fd.get(), contents)) {
      ::unlink(name.c_str());
      fail(path_, "cannot save this session's calendar as " + name, error);
    }
    return name;
  }
  fail(path_, "cannot save this session's calendar beside it", EEXIST);
}

}  // namespace qh::sim::mailbox
