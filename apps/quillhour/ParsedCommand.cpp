#include "apps/quillhour/ParsedCommand.h"

#include "apps/quillhour/Errors.h"

namespace qh::app {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

ParsedCommand::ParsedCommand(std::string_view line) : line_(line) {
  const std::string_view content = trimmed(line_);
  if (content.empty() || content.front() == '#') return;
  split();
}

void ParsedCommand::split() {
  std::size_t at = 0;
  while (true) {
    while (at < line_.size() && isBlank(line_[at])) ++at;
    if (at == line_.size()) return;
    Word word{{}, at, line_[at] == '"'};
    if (!word.quoted) {
      while (at < line_.size() && !isBlank(line_[at])) word.text += line_[at++];
    } else {
      for (++at;; ++at) {
        if (at == line_.size()) throw CommandError("a quote is not closed");
        if (line_[at] == '"') break;
        if (line_[at] == '\\' && at + 1 < line_.size()) ++at;
        word.text += line_[at];
      }
      ++at;
    }
    words_.push_back(std::move(word));
  }
}

const std::string& ParsedCommand::word(std::size_t i) const {
  static const std::string kNone;
  return i < words_.size() ? words_[i].text : kNone;
}

std::string ParsedCommand::textFrom(std::size_t i) const {
  if (i >= words_.size()) return {};
  if (i + 1 == words_.size() && words_[i].quoted) return words_[i].text;
  return std::string(trimmed(std::string_view(line_).substr(words_[i].begin)));
}

std::vector<std::string> ParsedCommand::wordsFrom(std::size_t i) const {
  std::vector<std::string> out;
  for (; i < words_.size(); ++i) out.push_back(words_[i].text);
  return out;
}

}  // namespace qh::app
