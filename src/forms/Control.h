#pragma once

#include <functional>
#include <string>
#include <utility>

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
  void setEnabled(bool v);
  bool visible() const { return visible_; }
  void setVisible(bool v);

  // Keyboard focus lives on the form; a control not placed on a form ignores SetFocus.
  void setFocus();
  bool hasFocus() const;
  // Places the control on its form; from then on its references count on the form.
  void attach(Form* form);

  // The window system's one hook on the control: called after every change of its state
  // (caption, text, entries, selection, value, range, enabled, visible), made by code or by the
  // user, so that a drawn control shows its model at once. One observer at a time; an empty
  // function removes it.
  void observe(std::function<void()> observer) { observer_ = std::move(observer); }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 protected:
  // Tells the observer that the state changed.
  void changed() const {
    if (observer_) observer_();
  }

  // The form the control is placed on, or null.
  Form* form() const { return form_; }

  // Runs a handler the form attached to one of this control's events. The handler is copied
  // (it may replace itself) and the control, and with it the form it lives on, stays alive
  // until the handler returns, so a handler may drop the last reference to its own dialog.
  // A control nobody holds by reference (not yet handed out) is not ours to end, so it is
  // not kept.
  template <class Handler, class... A>
  void runHandler(const Handler& handler, A&&... args) {
    if (!handler) return;
    const Handler copy = handler;
    const Ref<Object> keepAlive(refCount() > 0 ? this : nullptr);
    copy(std::forward<A>(args)...);
  }

 private:
  static const DispatchTable<Control>& table();

  std::string name_;
  Rect rect_;
  int tabIndex_;
  bool enabled_ = true;
  bool visible_ = true;
  Form* form_ = nullptr;
  std::function<void()> observer_;
};

// Handlers a form attaches to its controls' events. A handler's failure goes back to whoever
// raised the event (the window system, or the test that clicked).
using ClickHandler = std::function<void()>;
using ChangeHandler = std::function<void()>;

}  // namespace qh::forms
