#include "forms/ListBox.h"

#include <algorithm>
#include <cctype>

#include "forms/Form.h"

namespace qh::forms {
namespace {

bool lessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool ListBox::sortsBefore(const std::string& a, const std::string& b) const {
  // On a form, in the user's order of words; a list on no form knows only ASCII letters.
  if (const Form* f = form()) return f->compareText(a, b) < 0;
  return lessNoCase(a, b);
}

ListBox::ListBox(std::string name, Rect rect, int tabIndex, bool sorted, Selection selection)
    : Control(std::move(name), rect, tabIndex), sorted_(sorted), selection_(selection) {}

int ListBox::addItem(const std::string& text) {
  auto at = entries_.end();
  if (sorted_)
    at = std::upper_bound(
        entries_.begin(), entries_.end(), text,
        [this](const std::string& t, const Entry& e) { return sortsBefore(t, e.text); });
  const int index = static_cast<int>(at - entries_.begin());
  entries_.insert(at, Entry{text, false});
  if (listIndex_ >= index) ++listIndex_;
  changed();
  return index;
}

void ListBox::checkIndex(int index) const {
  if (index < 0 || index >= listCount()) throw Error(ErrorCode::InvalidCall);
}

void ListBox::removeItem(int index) {
  checkIndex(index);
  entries_.erase(entries_.begin() + index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  changed();
}

void ListBox::clear() {
  entries_.clear();
  listIndex_ = -1;
  changed();
}

const std::string& ListBox::list(int index) const {
  checkIndex(index);
  return entries_[static_cast<size_t>(index)].text;
}

std::vector<std::string> ListBox::items() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_) out.push_back(e.text);
  return out;
}

bool ListBox::selected(int index) const {
  checkIndex(index);
  return entries_[static_cast<size_t>(index)].selected;
}

void ListBox::setSelected(int index, bool selected) {
  checkIndex(index);
  if (selected && selection_ == Selection::Single)
    for (Entry& e : entries_) e.selected = false;
  entries_[static_cast<size_t>(index)].selected = selected;
  if (selected) listIndex_ = index;
  changed();
}

void ListBox::setListIndex(int index) {
  if (index != -1) checkIndex(index);
  listIndex_ = index;
  if (selection_ == Selection::Single)
    for (size_t i = 0; i < entries_.size(); ++i)
      entries_[i].selected = static_cast<int>(i) == index;
  changed();
}

const DispatchTable<ListBox>& ListBox::table() {
  static const DispatchTable<ListBox> t = [] {
    DispatchTable<ListBox> d;
    d.method("AddItem", [](ListBox& l, Args& a) {
      l.addItem(requiredArg(a, 0).toString());
      return Variant();
    });
    d.method("RemoveItem", [](ListBox& l, Args& a) {
      l.removeItem(requiredArg(a, 0).toInt32());
      return Variant();
    });
    d.method("Clear", [](ListBox& l, Args&) {
      l.clear();
      return Variant();
    });
    d.get("ListCount", [](ListBox& l, Args&) { return Variant(l.listCount()); });
    d.get("List", [](ListBox& l, Args& a) { return Variant(l.list(requiredArg(a, 0).toInt32())); });
    d.get("Selected",
          [](ListBox& l, Args& a) { return Variant(l.selected(requiredArg(a, 0).toInt32())); });
    d.put("Selected", [](ListBox& l, Args& a) {
      l.setSelected(requiredArg(a, 0).toInt32(), putValue(a).toBool());
      return Variant();
    });
    d.get("ListIndex", [](ListBox& l, Args&) { return Variant(l.listIndex_); });
    d.put("ListIndex", [](ListBox& l, Args& a) {
      l.setListIndex(putValue(a).toInt32());
      return Variant();
    });
    d.get("Text", [](ListBox& l, Args&) {
      return Variant(l.listIndex_ < 0 ? std::string() : l.list(l.listIndex_));
    });
    return d;
  }();
  return t;
}

Variant ListBox::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
