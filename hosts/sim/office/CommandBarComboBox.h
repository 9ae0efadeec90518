#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/office/CommandBarControl.h"

namespace qh::sim {

// A command-bar combo box (msoControlComboBox), as Office's CommandBarComboBox: the shared
// control members plus Text, ListIndex, ListCount, List(i), AddItem(Text, Index), Clear, and
// the Change event with the argument Ctrl (the box itself).
//
// List positions count from 1 and ListIndex 0 means that no entry is chosen. As in Office,
// only a user's choice from the list selects an entry: setting Text by automation leaves
// ListIndex at 0 even when the text equals an entry, and no write by automation raises Change.
class CommandBarComboBox : public CommandBarControl {
 public:
  using CommandBarControl::CommandBarControl;

  const std::string& text() const noexcept { return text_; }
  int listIndex() const noexcept { return listIndex_; }
  const std::vector<std::string>& entries() const noexcept { return entries_; }

  // Host actions of a user; the box must be usable (std::logic_error otherwise).
  // Choosing an entry from the list, by its text (the first equal entry) or its position from
  // 1: Text and ListIndex follow the entry, then Change is raised. There must be such an entry.
  void choose(std::string_view entry);
  void choose(int position);
  // Typing into the edit field: Text is set, ListIndex becomes 0, then Change is raised.
  void typeText(std::string_view text);

 protected:
  Variant dispatchLive(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CommandBarComboBox>& table();
  int listCount() const noexcept { return static_cast<int>(entries_.size()); }
  // The entry at a position from 1; raises "Invalid procedure call or argument" outside.
  std::string& entryAt(int position);
  void select(int position);
  void addItem(std::string text, const Variant& position);
  void raiseChange();

  std::vector<std::string> entries_;
  std::string text_;
  int listIndex_ = 0;
};

}  // namespace qh::sim
