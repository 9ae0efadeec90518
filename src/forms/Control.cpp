#include "forms/Control.h"

#include "forms/Form.h"

namespace qh::forms {

Control::Control(std::string name, Rect rect, int tabIndex)
    : name_(std::move(name)), rect_(rect), tabIndex_(tabIndex) {}

void Control::attach(Form* form) {
  form_ = form;
  setOuter(form);
}

void Control::setEnabled(bool v) {
  enabled_ = v;
  changed();
}

void Control::setVisible(bool v) {
  visible_ = v;
  changed();
}

void Control::setFocus() {
  if (form_) form_->setFocusedControl(this);
}

bool Control::hasFocus() const {
  return form_ && form_->focusedControl() == this;
}

const DispatchTable<Control>& Control::table() {
  static const DispatchTable<Control> t = [] {
    DispatchTable<Control> d;
    d.get("Name", [](Control& c, Args&) { return Variant(c.name_); });
    d.get("Left", [](Control& c, Args&) { return Variant(c.rect_.left); });
    d.get("Top", [](Control& c, Args&) { return Variant(c.rect_.top); });
    d.get("Width", [](Control& c, Args&) { return Variant(c.rect_.width); });
    d.get("Height", [](Control& c, Args&) { return Variant(c.rect_.height); });
    d.get("TabIndex", [](Control& c, Args&) { return Variant(c.tabIndex_); });
    d.get("Enabled", [](Control& c, Args&) { return Variant(c.enabled_); });
    d.put("Enabled", [](Control& c, Args& a) {
      c.setEnabled(putValue(a).toBool());
      return Variant();
    });
    d.get("Visible", [](Control& c, Args&) { return Variant(c.visible_); });
    d.put("Visible", [](Control& c, Args& a) {
      c.setVisible(putValue(a).toBool());
      return Variant();
    });
    d.method("SetFocus", [](Control& c, Args&) {
      c.setFocus();
      return Variant();
    });
    return d;
  }();
  return t;
}

Variant Control::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::forms
