#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"

namespace qh::forms {

// A form's combo box: an edit field above a drop-down list. Entries stay in the order they
// were added. List positions count from 0 and ListIndex -1 means that no entry is chosen,
// unlike an Office command-bar combo box, which counts from 1.
//
// Events follow the VB control: Click when an entry becomes the chosen one (the user's
// choice, or ListIndex set from code), Change when the edit field's text changes (the user
// typing, or Text set from code).
class ComboBox : public Control {
 public:
  ComboBox(std::string name, Rect rect, int tabIndex);

  const char* kind() const override { return "ComboBox"; }

  const std::string& text() const { return text_; }
  // The edit field alone: no entry is chosen afterwards, even one with the same text.
  void setText(std::string text);

  // Appends; answers the new entry's index.
  int addItem(const std::string& text);
  // Empties the list and the edit field.
  void clear();
  int listCount() const { return static_cast<int>(entries_.size()); }
  const std::string& list(int index) const;  // raises InvalidCall out of range
  const std::vector<std::string>& items() const { return entries_; }

  int listIndex() const { return listIndex_; }
  // -1 or an entry's index (else "Invalid property value"); the edit field shows the entry,
  // or nothing for -1.
  void setListIndex(int index);

  void onClick(ClickHandler handler) { onClick_ = std::move(handler); }
  void onChange(ChangeHandler handler) { onChange_ = std::move(handler); }

  // The user picks the entry at index from the list.
  void choose(int index);
  // The user types into the edit field, replacing its text; that chooses no entry.
  void type(const std::string& text);

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<ComboBox>& table();
  void checkIndex(int index) const;
  // Writes the edit field, then raises Change if its text changed.
  void changeText(std::string text);

  std::string text_;
  std::vector<std::string> entries_;
  int listIndex_ = -1;
  ClickHandler onClick_;
  ChangeHandler onChange_;
};

}  // namespace qh::forms
