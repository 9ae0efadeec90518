#include "bench/ProcessMeasure.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace qh::bench {

Measure measure(const std::vector<std::string>& args, const std::filesystem::path& folder) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::setenv("TZ", "Europe/Berlin", 1);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  Measure m;
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  m.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  m.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return m;
}

Measure best(const std::vector<Measure>& runs) {
  return *std::min_element(runs.begin(), runs.end(), [](const Measure& a, const Measure& b) {
    return a.seconds < b.seconds;
  });
}

}  // namespace qh::bench
