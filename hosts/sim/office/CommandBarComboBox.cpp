#include "hosts/sim/office/CommandBarComboBox.h"

#include <algorithm>
#include <stdexcept>

#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {

void CommandBarComboBox::choose(std::string_view entry) {
  auto it = std::find(entries_.begin(), entries_.end(), entry);
  if (it == entries_.end())
    throw std::logic_error("cannot choose \"" + std::string(entry) + "\": the list of \"" +
                           caption() + "\" has no such entry");
  choose(static_cast<int>(it - entries_.begin()) + 1);
}

void CommandBarComboBox::choose(int position) {
  requireUsable("choose from");
  if (position < 1 || position > listCount())
    throw std::logic_error("cannot choose entry " + std::to_string(position) + " of \"" +
                           caption() + "\": the list has " + std::to_string(listCount()));
  select(position);
  raiseChange();
}

void CommandBarComboBox::typeText(std::string_view text) {
  requireUsable("type into");
  text_ = text;
  listIndex_ = 0;
  raiseChange();
}

void CommandBarComboBox::raiseChange() {
  Args args{Variant(Ref<Object>(this))};
  raiseEvent("Change", args);
}

std::string& CommandBarComboBox::entryAt(int position) {
  if (position < 1 || position > listCount()) throw office_errors::invalidArgument();
  return entries_[static_cast<size_t>(position - 1)];
}

// Position 0 takes the choice away and empties the edit field.
void CommandBarComboBox::select(int position) {
  if (position == 0) {
    listIndex_ = 0;
    text_.clear();
    return;
  }
  text_ = entryAt(position);
  listIndex_ = position;
}

void CommandBarComboBox::addItem(std::string text, const Variant& position) {
  const int at = position.isMissing() ? listCount() + 1 : position.toInt32();
  if (at < 1 || at > listCount() + 1) throw office_errors::invalidArgument();
  entries_.insert(entries_.begin() + (at - 1), std::move(text));
  if (listIndex_ >= at) ++listIndex_;  // the chosen entry keeps being the chosen one
}

Variant CommandBarComboBox::dispatchLive(std::string_view name, CallKind kind, Args& args) {
  return dispatchWith(table(), *this, name, kind, args);
}

const DispatchTable<CommandBarComboBox>& CommandBarComboBox::table() {
  using Self = CommandBarComboBox;
  static const DispatchTable<Self> kTable = [] {
    DispatchTable<Self> t;
    t.get("Text", [](Self& self, Args&) { return Variant(self.text_); });
    t.put("Text", [](Self& self, Args& args) {
      self.text_ = putValue(args).toString();
      self.listIndex_ = 0;
      return Variant();
    });
    t.get("ListIndex", [](Self& self, Args&) { return Variant(self.listIndex_); });
    t.put("ListIndex", [](Self& self, Args& args) {
      self.select(putValue(args).toInt32());
      return Variant();
    });
    t.get("ListCount", [](Self& self, Args&) { return Variant(self.listCount()); });
    t.get("List", [](Self& self, Args& args) {
      return Variant(self.entryAt(requiredArg(args, 0).toInt32()));
    });
    t.put("List", [](Self& self, Args& args) {
      if (args.size() < 2) throw Error(ErrorCode::ArgumentNotOptional);
      const int position = args[0].toInt32();
      self.entryAt(position) = putValue(args).toString();
      if (position == self.listIndex_) self.text_ = self.entryAt(position);
      return Variant();
    });
    t.method("AddItem", [](Self& self, Args& args) {
      self.addItem(requiredArg(args, 0).toString(), argAt(args, 1));
      return Variant();
    });
    // Office clears the list; the edit field keeps its text, no longer an entry of the list.
    t.method("Clear", [](Self& self, Args&) {
      self.entries_.clear();
      self.listIndex_ = 0;
      return Variant();
    });
    return t;
  }();
  return kTable;
}

}  // namespace qh::sim
