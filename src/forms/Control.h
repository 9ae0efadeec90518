#pragma once

#include <functional>
#include <string>

#include "automation/DispatchTable.h"
#include "automation/Object.h"

namespace qh::forms {

class Form;

// A control's place on its form, in twips.
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// The state every control model shares. Controls are automation objects, so a host, a test
// or the command-line program drives them by name ("Click", "Text", "AddItem", ...) exactly
// as the add-in's own code does.
class Control : public Object {
 public:
  Control(std::string name, Rect rect, int tabIndex);

  const std::string& name() const { return name_; }
  const Rect& rect() const { return rect_; }
  int tabIndex() const { return tabIndex_; }
  virtual const char* kind() const = 0;

  bool enabled() const { return enabled_; }
  void setEnabled(bool v) { enabled_ = v; }
  bool visible() const { return visible_; }
  void setVisible(bool v) { visible_ = v; }

  // Keyboard focus lives on the form; a control not placed on a form ignores SetFocus.
  void setFocus();
  bool hasFocus() const;
  void attach(Form* form) { form_ = form; }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<Control>& table();

  std::string name_;
  Rect rect_;
  int tabIndex_;
  bool enabled_ = true;
  bool visible_ = true;
  Form* form_ = nullptr;
};

// Handlers a form attaches to its controls' events. A handler's failure goes back to whoever
// raised the event (the window system, or the test that clicked).
using ClickHandler = std::function<void()>;

}  // namespace qh::forms
