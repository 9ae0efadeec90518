#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"

namespace qh::forms {

// A list box: entries with a selection flag each. A sorted list inserts every new entry at
// its place in the user's order of words, letter case not counting (its form's system
// compares); an unsorted one appends. List positions count from
// 0, and ListIndex -1 means no current entry.
class ListBox : public Control {
 public:
  enum class Selection { Single, Extended };

  ListBox(std::string name, Rect rect, int tabIndex, bool sorted = false,
          Selection selection = Selection::Single);

  const char* kind() const override { return "ListBox"; }
  bool sorted() const { return sorted_; }
  bool multiSelect() const { return selection_ == Selection::Extended; }

  // Answers the index the entry went to.
  int addItem(const std::string& text);
  void removeItem(int index);  // raises InvalidCall for an index out of range
  void clear();

  int listCount() const { return static_cast<int>(entries_.size()); }
  const std::string& list(int index) const;
  std::vector<std::string> items() const;

  bool selected(int index) const;
  void setSelected(int index, bool selected);
  int listIndex() const { return listIndex_; }
  void setListIndex(int index);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  struct Entry {
    std::string text;
    bool selected = false;
  };
  static const DispatchTable<ListBox>& table();
  void checkIndex(int index) const;
  bool sortsBefore(const std::string& a, const std::string& b) const;

  bool sorted_;
  Selection selection_;
  std::vector<Entry> entries_;
  int listIndex_ = -1;
};

}  // namespace qh::forms
