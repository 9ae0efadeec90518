#include "apps/quillhour/TerminalLines.h"

#include <histedit.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace qh::app {
namespace {

constexpr int kHistoryLines = 1000;

}  // namespace

// libedit's editor and history for one prompt; the completion is reached from libedit's
// callbacks through the editor's client data.
struct TerminalLines::Editor {
  Editor(std::string prompt, ShellCompletion completion, std::filesystem::path history)
      : prompt(std::move(prompt)), completion(std::move(completion)), file(std::move(history)) {
    hist = ::history_init();
    HistEvent event;
    ::history(hist, &event, H_SETSIZE, kHistoryLines);
    ::history(hist, &event, H_SETUNIQUE, 1);
    if (!file.empty()) ::history(hist, &event, H_LOAD, file.c_str());

    el = ::el_init("quillhour", stdin, stdout, stderr);
    ::el_set(el, EL_CLIENTDATA, this);
    ::el_set(el, EL_EDITOR, "emacs");
    ::el_set(el, EL_PROMPT, &Editor::promptText);
    ::el_set(el, EL_HIST, ::history, hist);
    // Ctrl+C reaches the editor as a key that abandons the line, instead of ending the
    // program with the session's changes unsaved.
    ::el_set(el, EL_SETTY, "-d", "-isig", nullptr);
    ::el_set(el, EL_BIND, "^C", "em-kill-line", nullptr);
    ::el_set(el, EL_ADDFN, "quillhour-complete", "Completes the word", &Editor::complete);
    ::el_set(el, EL_BIND, "^I", "quillhour-complete", nullptr);
    ::el_source(el, nullptr);  // the user's own ~/.editrc
  }
  ~Editor() {
    ::el_end(el);
    ::history_end(hist);
  }

  static Editor& of(EditLine* el) {
    void* self = nullptr;
    ::el_get(el, EL_CLIENTDATA, &self);
    return *static_cast<Editor*>(self);
  }
  static char* promptText(EditLine* el) { return of(el).prompt.data(); }

  static unsigned char complete(EditLine* el, int) {
    Editor& self = of(el);
    const LineInfo* line = ::el_line(el);
    const std::string before(line->buffer, line->cursor);
    const ShellCompletion::Choices choices = self.completion.complete(before);
    if (choices.texts.empty()) return CC_ERROR;
    const std::string typed = before.substr(choices.from);
    std::string common = commonPrefix(choices.texts);
    if (choices.texts.size() == 1) common += ' ';
    if (common.size() > typed.size()) {
      ::el_insertstr(el, common.substr(typed.size()).c_str());
      return CC_REFRESH;
    }
    // Nothing more in common: show what fits, then the line again.
    std::cout << '\n';
    for (const std::string& text : choices.texts) std::cout << text << "    ";
    std::cout << std::endl;
    return CC_REDISPLAY;
  }

  std::optional<std::string> read() {
    int count = 0;
    const char* text = ::el_gets(el, &count);
    if (!text || count <= 0) {
      std::cout << std::endl;
      return std::nullopt;
    }
    std::string typed(text, static_cast<std::size_t>(count));
    while (!typed.empty() && (typed.back() == '\n' || typed.back() == '\r')) typed.pop_back();
    if (typed.find_first_not_of(' ') != std::string::npos) remember(typed);
    return typed;
  }

  void remember(const std::string& line) {
    HistEvent event;
    ::history(hist, &event, H_ENTER, line.c_str());
    if (file.empty()) return;
    // Saved after every line, so that a session that ends badly keeps what was typed.
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    ::history(hist, &event, H_SAVE, file.c_str());
  }

  std::string prompt;
  ShellCompletion completion;
  std::filesystem::path file;
  History* hist = nullptr;
  EditLine* el = nullptr;
};

TerminalLines::TerminalLines(std::string prompt, ShellCompletion completion,
                             std::filesystem::path history)
    : plain_(std::cin) {
  if (::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO))
    editor_ =
        std::make_unique<Editor>(std::move(prompt), std::move(completion), std::move(history));
}

TerminalLines::~TerminalLines() = default;

std::optional<std::string> TerminalLines::next() {
  return editor_ ? editor_->read() : plain_.next();
}

std::filesystem::path TerminalLines::historyFile() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && *state) return std::filesystem::path(state) / "quillhour" / "history";
  const char* home = std::getenv("HOME");
  if (home && *home)
    return std::filesystem::path(home) / ".local" / "state" / "quillhour" / "history";
  return {};
}

}  // namespace qh::app
