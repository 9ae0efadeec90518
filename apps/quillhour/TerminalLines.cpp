#include "apps/quillhour/TerminalLines.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace qh::app {
namespace {

constexpr char kCtrlA = 1, kCtrlB = 2, kCtrlC = 3, kCtrlD = 4, kCtrlE = 5, kCtrlF = 6;
constexpr char kCtrlH = 8, kCtrlK = 11, kCtrlN = 14, kCtrlP = 16, kCtrlU = 21, kEscape = 27;
constexpr char kDelete = 127;

// Raw input on standard input for as long as it lives: keys arrive one by one, unechoed.
class RawMode {
 public:
  RawMode() {
    ok_ = ::tcgetattr(STDIN_FILENO, &saved_) == 0;
    if (!ok_) return;
    termios raw = saved_;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ok_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) == 0;
  }
  ~RawMode() {
    if (ok_) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
  }
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;
  bool ok() const { return ok_; }

 private:
  termios saved_{};
  bool ok_ = false;
};

std::optional<char> readByte() {
  char c;
  while (true) {
    const ssize_t n = ::read(STDIN_FILENO, &c, 1);
    if (n == 1) return c;
    if (n == 0 || errno != EINTR) return std::nullopt;
  }
}

}  // namespace

TerminalLines::TerminalLines(std::string prompt) : prompt_(std::move(prompt)), plain_(std::cin) {}

std::optional<std::string> TerminalLines::next() {
  if (!::isatty(STDIN_FILENO) || !::isatty(STDOUT_FILENO)) return plain_.next();
  return readEdited();
}

std::optional<std::string> TerminalLines::readEdited() {
  RawMode raw;
  if (!raw.ok()) return plain_.next();
  redraw();
  bool endOfInput = false;
  while (!handleKey(endOfInput)) redraw();
  std::cout << "\r\n" << std::flush;
  if (endOfInput) return std::nullopt;
  return editor_.accept();
}

bool TerminalLines::handleKey(bool& endOfInput) {
  const std::optional<char> c = readByte();
  if (!c || (*c == kCtrlD && editor_.text().empty())) return endOfInput = true;
  switch (*c) {
    case '\r':
    case '\n':
      return true;
    case kCtrlA:
      editor_.home();
      return false;
    case kCtrlE:
      editor_.end();
      return false;
    case kCtrlB:
      editor_.left();
      return false;
    case kCtrlF:
      editor_.right();
      return false;
    case kCtrlD:
      editor_.erase();
      return false;
    case kCtrlK:
      editor_.killToEnd();
      return false;
    case kCtrlU:
    case kCtrlC:
      editor_.clear();
      return false;
    case kCtrlP:
      editor_.older();
      return false;
    case kCtrlN:
      editor_.newer();
      return false;
    case kCtrlH:
    case kDelete:
      editor_.backspace();
      return false;
    case kEscape:
      break;
    default:
      if (static_cast<unsigned char>(*c) >= 0x20) editor_.insert(std::string(1, *c));
      return false;
  }
  // ESC [ A..D, H, F, or ESC [ 3 ~ (Delete); ESC O A.. from some terminals.
  const std::optional<char> kind = readByte();
  if (!kind || (*kind != '[' && *kind != 'O')) return false;
  const std::optional<char> code = readByte();
  if (!code) return false;
  switch (*code) {
    case 'A':
      editor_.older();
      break;
    case 'B':
      editor_.newer();
      break;
    case 'C':
      editor_.right();
      break;
    case 'D':
      editor_.left();
      break;
    case 'H':
      editor_.home();
      break;
    case 'F':
      editor_.end();
      break;
    case '3':
      if (readByte() == '~') editor_.erase();
      break;
    default:
      break;
  }
  return false;
}

void TerminalLines::redraw() {
  const std::string& text = editor_.text();
  std::cout << '\r' << prompt_ << text << "\033[K";
  std::size_t behind = 0;
  for (std::size_t i = editor_.cursor(); i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++behind;
  if (behind > 0) std::cout << "\033[" << behind << 'D';
  std::cout << std::flush;
}

}  // namespace qh::app
