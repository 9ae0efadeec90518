#include "forms/ComboBox.h"

namespace qh::forms {

ComboBox::ComboBox(std::string name, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex) {}

void ComboBox::changeText(std::string text) {
  const bool differs = text != text_;
  text_ = std::move(text);
  changed();
  if (differs) runHandler(onChange_);
}

void ComboBox::setText(std::string text) {
  listIndex_ = -1;
  changeText(std::move(text));
}

int ComboBox::addItem(const std::string& text) {
  entries_.push_back(text);
  changed();
  return listCount() - 1;
}

void ComboBox::clear() {
  entries_.clear();
  listIndex_ = -1;
  text_.clear();
  changed();
}

void ComboBox::checkIndex(int index) const {
  if (index < 0 || index >= listCount()) throw Error(ErrorCode::InvalidCall);
}

const std::string& ComboBox::list(int index) const {
  checkIndex(index);
  return entries_[static_cast<size_t>(index)];
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= listCount()) throw Error(ErrorCode::InvalidPropertyValue);
  listIndex_ = index;
  // As the list control does, choosing no entry empties the edit field.
  changeText(index == -1 ? std::string() : entries_[static_cast<size_t>(index)]);
  if (index != -1) runHandler(onClick_);
}

void ComboBox::choose(int index) {
  if (!enabled()) return;
  checkIndex(index);
  listIndex_ = index;
  text_ = entries_[static_cast<size_t>(index)];
  changed();
  runHandler(onClick_);
}

void ComboBox::type(const std::string& text) {
  if (enabled()) setText(text);
}

const DispatchTable<ComboBox>& ComboBox::table() {
  static const DispatchTable<ComboBox> t = [] {
    DispatchTable<ComboBox> d;
    for (const char* name : {"Text", ""}) {
      d.get(name, [](ComboBox& c, Args&) { return Variant(c.text_); });
      d.put(name, [](ComboBox& c, Args& a) {
        c.setText(putValue(a).toString());
        return Variant();
      });
    }
    d.method("AddItem", [](ComboBox& c, Args& a) {
      c.addItem(requiredArg(a, 0).toString());
      return Variant();
    });
    d.method("Clear", [](ComboBox& c, Args&) {
      c.clear();
      return Variant();
    });
    d.get("ListCount", [](ComboBox& c, Args&) { return Variant(c.listCount()); });
    d.get("List",
          [](ComboBox& c, Args& a) { return Variant(c.list(requiredArg(a, 0).toInt32())); });
    d.get("ListIndex", [](ComboBox& c, Args&) { return Variant(c.listIndex_); });
    d.put("ListIndex", [](ComboBox& c, Args& a) {
      c.setListIndex(putValue(a).toInt32());
      return Variant();
    });
    // The user's actions, for a host or a script that drives the dialog by name.
    d.method("Choose", [](ComboBox& c, Args& a) {
      c.choose(requiredArg(a, 0).toInt32());
      return Variant();
    });
    d.method("Type", [](ComboBox& c, Args& a) {
      c.type(requiredArg(a, 0).toString());
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant ComboBox::invoke(std::string_view name, CallKind kind, Args& args) {
  if (auto r = table().tryInvoke(*this, name, kind, args)) return std::move(*r);
  return Control::invoke(name, kind, args);
}

}  // namespace qh::forms
