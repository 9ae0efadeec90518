#include "hosts/sim/mailbox/CalendarLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>
#include <thread>

#include "hosts/sim/mailbox/CalendarError.h"

namespace qh::sim::mailbox {
namespace {

constexpr auto kPoll = std::chrono::milliseconds(20);

bool sameFile(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::string commandLineOf(const std::string& pid) {
  std::ifstream in("/proc/" + pid + "/cmdline", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  for (char& c : text)
    if (c == '\0') c = ' ';
  return text;
}

}  // namespace

CalendarLock::CalendarLock(const std::string& path, const std::string& target,
                           std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (true) {
    fd_ = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
      throw CalendarError(CalendarError::Kind::Missing, path, 0,
                          "cannot read it (" + std::generic_category().message(errno) + ")");
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      // The holder may have replaced the file meanwhile: then this is the old one.
      if (sameFile(fd_, target)) return;
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
      return;  // a file system without locks: go on unlocked, as other programs do there
    } else if (std::chrono::steady_clock::now() >= deadline) {
      const std::string holder = holderOf(target);
      ::close(fd_);
      fd_ = -1;
      throw CalendarError(CalendarError::Kind::Busy, path, 0,
                          "in use by " + holder + "; try again once it has ended");
    } else {
      std::this_thread::sleep_for(kPoll);
    }
    ::close(fd_);
    fd_ = -1;
  }
}

CalendarLock::~CalendarLock() {
  if (fd_ >= 0) ::close(fd_);
}

void CalendarLock::moveTo(int fd) {
  const int next = ::dup(fd);
  if (next < 0) return;
  ::fcntl(next, F_SETFD, FD_CLOEXEC);
  ::flock(next, LOCK_EX | LOCK_NB);  // a file of our own making: nobody else has it open
  if (fd_ >= 0) ::close(fd_);
  fd_ = next;
}

std::string CalendarLock::holderOf(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return "another process";
  char device[64];
  std::snprintf(device, sizeof device, "%02x:%02x:%llu", major(info.st_dev), minor(info.st_dev),
                static_cast<unsigned long long>(info.st_ino));
  // Linux lists every lock in /proc/locks: "1: FLOCK ADVISORY WRITE 1234 08:01:5678 0 EOF";
  // lines of waiters begin with "->".
  std::ifstream locks("/proc/locks");
  for (std::string line; std::getline(locks, line);) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, pid, where;
    fields >> number >> kind;
    if (kind == "->") continue;
    fields >> mode >> access >> pid >> where;
    if (kind != "FLOCK" || where != device) continue;
    const std::string command = commandLineOf(pid);
    return "process " + pid + (command.empty() ? "" : " (" + command + ")");
  }
  return "another process";
}

}  // namespace qh::sim::mailbox
