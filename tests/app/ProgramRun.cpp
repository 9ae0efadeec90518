#include "tests/app/ProgramRun.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qh::app::testing {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void runChild(const std::string& program, const std::vector<std::string>& args,
                           const fs::path& folder, const int (&in)[2], const int (&out)[2],
                           const int (&err)[2]) {
  ::dup2(in[0], STDIN_FILENO);
  ::dup2(out[1], STDOUT_FILENO);
  ::dup2(err[1], STDERR_FILENO);
  // The program must see the end of its input once the test has written it.
  for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
  if (::chdir(folder.c_str()) != 0) ::_exit(127);
  ::setenv("TZ", "Europe/Berlin", 1);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

// Feeds input and collects both outputs at once, so that neither pipe can fill up and stall.
void exchange(int in, int out, int err, const std::string& input, ProgramRun& run) {
  std::size_t written = 0;
  if (input.empty()) ::close(in), in = -1;
  while (out >= 0 || err >= 0) {
    pollfd fds[3] = {{out, POLLIN, 0}, {err, POLLIN, 0}, {in, POLLOUT, 0}};
    ::poll(fds, 3, -1);
    char buffer[65536];
    for (int i = 0; i < 2; ++i) {
      int& fd = i == 0 ? out : err;
      if (fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0)
        (i == 0 ? run.out : run.err).append(buffer, static_cast<std::size_t>(n));
      else
        ::close(fd), fd = -1;
    }
    if (in >= 0 && (fds[2].revents & (POLLOUT | POLLERR))) {
      const ssize_t n = ::write(in, input.data() + written, input.size() - written);
      written += n > 0 ? static_cast<std::size_t>(n) : input.size();
      if (written >= input.size()) ::close(in), in = -1;
    }
  }
  if (in >= 0) ::close(in);
}

}  // namespace

ProgramRun runQuillhour(const std::vector<std::string>& args, const fs::path& folder,
                        const std::string& input) {
  return runProgram(QH_PROGRAM_PATH, args, folder, input);
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const fs::path& folder, const std::string& input) {
  ::signal(SIGPIPE, SIG_IGN);  // a program that stops reading early must not end the test
  int in[2], out[2], err[2];
  if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0)
    throw std::runtime_error("pipe failed");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) runChild(program, args, folder, in, out, err);
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  ProgramRun run;
  exchange(in[1], out[0], err[0], input, run);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

TestFolder::TestFolder() {
  std::string pattern = (fs::temp_directory_path() / "qh-app-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TestFolder::write(const std::string& name, const std::string& text) const {
  std::ofstream(file(name), std::ios::binary) << text;
  return file(name);
}

std::string TestFolder::exampleCalendar(const std::string& name) const {
  fs::copy_file(examplesDir() / "fortnight.ics", root_ / name);
  return file(name);
}

std::vector<std::string> TestFolder::listing() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(root_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path examplesDir() {
  const char* dir = std::getenv("QH_EXAMPLES_DIR");
  return dir && *dir ? dir : QH_DEFAULT_EXAMPLES_DIR;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace qh::app::testing
