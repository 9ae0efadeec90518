#include "apps/quillhour/LineEditor.h"

namespace qh::app {
namespace {

// UTF-8 continuation bytes belong to the character before them.
bool continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void LineEditor::insert(std::string_view typed) {
  text_.insert(cursor_, typed);
  cursor_ += typed.size();
}

void LineEditor::backspace() {
  if (cursor_ == 0) return;
  const std::size_t from = cursor_;
  left();
  text_.erase(cursor_, from - cursor_);
}

void LineEditor::erase() {
  if (cursor_ == text_.size()) return;
  std::size_t to = cursor_ + 1;
  while (to < text_.size() && continuation(text_[to])) ++to;
  text_.erase(cursor_, to - cursor_);
}

void LineEditor::left() {
  while (cursor_ > 0 && continuation(text_[--cursor_])) {
  }
}

void LineEditor::right() {
  if (cursor_ == text_.size()) return;
  ++cursor_;
  while (cursor_ < text_.size() && continuation(text_[cursor_])) ++cursor_;
}

void LineEditor::clear() {
  text_.clear();
  cursor_ = 0;
}

void LineEditor::older() {
  if (browsing_ > history_.size()) browsing_ = history_.size();
  if (browsing_ == 0) return;
  if (browsing_ == history_.size()) draft_ = text_;
  show(history_[--browsing_]);
}

void LineEditor::newer() {
  if (browsing_ >= history_.size()) return;
  ++browsing_;
  show(browsing_ == history_.size() ? draft_ : history_[browsing_]);
}

std::string LineEditor::accept() {
  std::string line = std::move(text_);
  if (line.find_first_not_of(" \t") != std::string::npos &&
      (history_.empty() || history_.back() != line))
    history_.push_back(line);
  clear();
  draft_.clear();
  browsing_ = history_.size();
  return line;
}

void LineEditor::show(std::string text) {
  text_ = std::move(text);
  cursor_ = text_.size();
}

}  // namespace qh::app
